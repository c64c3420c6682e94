#include "platform/font_set_up.h"

#include <fontconfig/fontconfig.h>

#include <mutex>
#include <thread>

namespace platform {
namespace {

// Joined at the latest when the process ends, so that it never exits mid-read.
struct SetUpThread {
  std::mutex mutex;
  std::thread thread;
  ~SetUpThread() {
    if (thread.joinable()) thread.join();
  }
};

SetUpThread& SetUp() {
  static SetUpThread setUp;
  return setUp;
}

}  // namespace

void BeginFontSetUp() {
  static std::once_flag once;
  std::call_once(once, [] {
    // FcInit loads the configuration once and makes it the current one; the toolkit's own
    // call then finds it loaded.
    SetUp().thread = std::thread([] { FcInit(); });
  });
}

void FinishFontSetUp() {
  SetUpThread& setUp = SetUp();
  const std::lock_guard<std::mutex> lock(setUp.mutex);
  if (setUp.thread.joinable()) setUp.thread.join();
}

}  // namespace platform
