#pragma once
// The saver's only way to the wall clock, so tests can script the time.

#include <functional>

namespace organsaver {

struct LocalTime {
  int year = 2000;
  int month = 1;      // 1-12
  int day = 1;        // 1-31
  int dayOfWeek = 6;  // 0 = Sunday
  int hour = 0;       // 0-23
  int minute = 0;
  int second = 0;
};

using LocalClock = std::function<LocalTime()>;

LocalTime ReadSystemLocalTime();

}  // namespace organsaver
