// organclock: the organ clock of traditional Chinese medicine on the desktop.
#include <cstdlib>

#include "platform/application.h"
#include "platform/single_instance.h"
#include "shell/program.h"

int main(int argc, char** argv) {
  platform::InitPlatform(argc, argv, OrganclockIdentity());
  // A second start in the same directory only brings the running one forward.
  if (!platform::ClaimSingleInstance()) return 0;
  RunStartup();
  // The window system ends the process with exit() when its display goes away.
  std::atexit(EndProgramAtProcessExit);
  return RunMainLoop();
}
