// Renders the face with the saver's own drawing code into a PNG file, for the
// screenshots in docs/. Usage:
//   organsaver_face_png fullscreen|preview WIDTH HEIGHT OUT.png [HH:MM:SS] [YYYY-MM-DD]
// The weekday is worked out from the date.

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "saver/clock_display.h"
#include "saver/saver_fonts.h"

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s fullscreen|preview WIDTH HEIGHT OUT.png [HH:MM:SS] [YYYY-MM-DD]\n",
                 argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  organsaver::InstallSaverFontSubstitutions();

  const bool fullScreen = std::string(argv[1]) == "fullscreen";
  const int width = std::atoi(argv[2]);
  const int height = std::atoi(argv[3]);
  organsaver::LocalTime now{2026, 12, 6, 0, 10, 9, 37};
  if (argc > 5) std::sscanf(argv[5], "%d:%d:%d", &now.hour, &now.minute, &now.second);
  if (argc > 6) std::sscanf(argv[6], "%d-%d-%d", &now.year, &now.month, &now.day);
  std::tm day{};
  day.tm_year = now.year - 1900;
  day.tm_mon = now.month - 1;
  day.tm_mday = now.day;
  day.tm_hour = 12;
  std::mktime(&day);
  now.dayOfWeek = day.tm_wday;

  organsaver::ClockDisplay display = organsaver::SetUpClockDisplay(
      width, height, fullScreen ? organsaver::FaceStyle::FullScreen : organsaver::FaceStyle::Preview, 96,
      1);
  QImage picture(width, height, QImage::Format_RGB32);
  // The full-screen texts appear from the second frame on.
  for (int frame = 0; frame < 2; ++frame) {
    organsaver::DrawClockFrame(display, picture, now);
    if (fullScreen) organsaver::RefreshClockTexts(display.texts, now);
  }
  return picture.save(QString::fromLocal8Bit(argv[4])) ? 0 : 1;
}
