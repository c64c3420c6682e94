#include "platform/testing/scripted_clock.h"

#include <mutex>

#include "platform/clock.h"

namespace platform {
namespace {

std::mutex g_mutex;
LocalTime g_time;

LocalTime ScriptedTime() {
  std::lock_guard<std::mutex> lock(g_mutex);
  return g_time;
}

}  // namespace

void SetScriptedClock(const LocalTime& t) {
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_time = t;
  }
  SetLocalTimeSource(ScriptedTime);
}

}  // namespace platform
