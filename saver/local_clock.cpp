#include "saver/local_clock.h"

#include <ctime>

namespace organsaver {

LocalTime ReadSystemLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  LocalTime t;
  t.year = parts.tm_year + 1900;
  t.month = parts.tm_mon + 1;
  t.day = parts.tm_mday;
  t.dayOfWeek = parts.tm_wday;
  t.hour = parts.tm_hour;
  t.minute = parts.tm_min;
  t.second = parts.tm_sec < 60 ? parts.tm_sec : 59;  // a leap second keeps the hand on the dial
  return t;
}

}  // namespace organsaver
