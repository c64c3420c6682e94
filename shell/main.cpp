// organclock: the organ clock of traditional Chinese medicine on the desktop.
#include "platform/application.h"
#include "shell/program.h"

int main(int argc, char** argv) {
  platform::InitPlatform(argc, argv);
  RunStartup();
  return RunMainLoop();
}
