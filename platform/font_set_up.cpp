#include "platform/font_set_up.h"

#include <fontconfig/fontconfig.h>

#include <thread>

namespace platform {
namespace {

// Joined at the latest when the process ends, so that it never exits mid-read.
struct SetUpThread {
  std::thread thread;
  bool begun = false;
  ~SetUpThread() {
    if (thread.joinable()) thread.join();
  }
};

// Begun and finished on the main thread only.
SetUpThread& SetUp() {
  static SetUpThread setUp;
  return setUp;
}

}  // namespace

void BeginFontSetUp() {
  SetUpThread& setUp = SetUp();
  if (setUp.begun) return;
  setUp.begun = true;
  // FcInit loads the configuration once and makes it the current one; the toolkit's own
  // call then finds it loaded.
  setUp.thread = std::thread([] { FcInit(); });
}

void FinishFontSetUp() {
  SetUpThread& setUp = SetUp();
  if (setUp.thread.joinable()) setUp.thread.join();
}

}  // namespace platform
