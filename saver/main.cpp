// organsaver: the organ clock as a screen saver. Windows-style modes ("/c",
// "/a", "/p <handle>", "/s") and, on Linux, the window XScreenSaver hands over.

#include <QApplication>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/saver/display_check.h"
#include "platform/saver/qt_saver_platform.h"
#include "saver/saver_fonts.h"
#include "saver/saver_modes.h"

#ifdef _WIN32
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // The raw command line, split the saver's own way (quotes, blanks).
  const std::vector<std::string> parameters = organsaver::SplitCommandLineParameters(GetCommandLineA());
#else
  // The shell has split the parameters already.
  const std::vector<std::string> parameters(argv + 1, argv + argc);
  // Without a display there is nothing to show and nobody to tell; Qt would abort.
  if (!organsaver::SaverDisplayReachable()) return 0;
  organsaver::EndQuietlyWhenTheDisplayGoes();
#endif

  QApplication application(argc, argv);
  organsaver::InstallSaverFontSubstitutions();
  organsaver::QtSaverPlatform platform;
  organsaver::RunSaver(parameters, std::getenv("XSCREENSAVER_WINDOW"), platform,
                       organsaver::ReadSystemLocalTime);
  return 0;  // in every mode
}
