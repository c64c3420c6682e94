#include "saver/local_clock.h"

#include "platform/clock.h"

namespace organsaver {

LocalTime ReadSystemLocalTime() {
  const platform::LocalTime t = platform::SystemLocalTime();
  const int second = t.second < 60 ? t.second : 59;  // a leap second keeps the hand on the dial
  return {t.year, t.month, t.day, t.weekday, t.hour, t.minute, second};
}

}  // namespace organsaver
