// Test entry point: the real window system on Qt's offscreen platform and SDL's dummy
// sound driver, unless the caller chose otherwise.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/application.h"
#include "shell/program.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  ::testing::InitGoogleTest(&argc, argv);
  platform::InitPlatform(argc, argv, OrganclockIdentity());
  return RUN_ALL_TESTS();
}
