// Test entry point: the real window system on Qt's offscreen platform and SDL's dummy
// sound driver, unless the caller chose otherwise.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/application.h"
#include "shell/program.h"

// Fontconfig, which the program has read its configuration on a thread of its own, keeps
// a little memory of that thread until the process ends; the leak checker of the
// sanitizer builds, which also runs when the tests are listed, is told so.
extern "C" const char* __lsan_default_suppressions() {  // NOLINT(bugprone-reserved-identifier)
  return "leak:libfontconfig.so\n";
}

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  ::testing::InitGoogleTest(&argc, argv);
  platform::InitPlatform(argc, argv, OrganclockIdentity());
  return RUN_ALL_TESTS();
}
