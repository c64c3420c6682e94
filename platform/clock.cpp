#include "platform/clock.h"

#include <atomic>
#include <chrono>
#include <ctime>

namespace platform {
namespace {

std::atomic<LocalTimeSource> g_source{nullptr};

int WeekdayOf(int year, int month, int day) {
  using namespace std::chrono;
  const sys_days d{std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                   std::chrono::day{static_cast<unsigned>(day)}};
  return static_cast<int>(weekday{d}.c_encoding());
}

}  // namespace

LocalTime MakeLocalTime(int year, int month, int day, int hour, int minute, int second) {
  LocalTime t;
  t.year = year;
  t.month = month;
  t.day = day;
  t.hour = hour;
  t.minute = minute;
  t.second = second;
  t.millisecond = 0;
  t.weekday = WeekdayOf(year, month, day);
  return t;
}

LocalTime AddSeconds(const LocalTime& t, long long seconds) {
  using namespace std::chrono;
  const sys_days d{std::chrono::year{t.year} / std::chrono::month{static_cast<unsigned>(t.month)} /
                   std::chrono::day{static_cast<unsigned>(t.day)}};
  const sys_seconds moved = sys_seconds{d} + hours{t.hour} + minutes{t.minute} +
                            std::chrono::seconds{t.second} + std::chrono::seconds{seconds};
  const sys_days day = floor<days>(moved);
  const year_month_day ymd{day};
  const hh_mm_ss hms{moved - day};
  LocalTime r =
      MakeLocalTime(static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                    static_cast<int>(unsigned(ymd.day())), static_cast<int>(hms.hours().count()),
                    static_cast<int>(hms.minutes().count()), static_cast<int>(hms.seconds().count()));
  r.millisecond = t.millisecond;
  return r;
}

long long MinuteNumber(const LocalTime& t) {
  using namespace std::chrono;
  const sys_days d{std::chrono::year{t.year} / std::chrono::month{static_cast<unsigned>(t.month)} /
                   std::chrono::day{static_cast<unsigned>(t.day)}};
  return static_cast<long long>(d.time_since_epoch().count()) * 24 * 60 + t.hour * 60 + t.minute;
}

LocalTime Now() {
  if (const LocalTimeSource source = g_source.load()) return source();
  return SystemLocalTime();
}

LocalTime SystemLocalTime() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t secs = std::chrono::system_clock::to_time_t(now);
  std::tm tm{};
  localtime_r(&secs, &tm);
  LocalTime t;
  t.year = tm.tm_year + 1900;
  t.month = tm.tm_mon + 1;
  t.day = tm.tm_mday;
  t.hour = tm.tm_hour;
  t.minute = tm.tm_min;
  t.second = tm.tm_sec;
  t.weekday = tm.tm_wday;
  t.millisecond = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  return t;
}

SteadyTime SteadyNow() { return std::chrono::steady_clock::now(); }

uint64_t TickMs() {
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(SteadyNow().time_since_epoch()).count());
}

void SetLocalTimeSource(LocalTimeSource source) { g_source = source; }

}  // namespace platform
