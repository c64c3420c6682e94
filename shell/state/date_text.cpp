#include "shell/state/date_text.h"

#include <chrono>
#include <cstdio>

std::string FormatDateText(const platform::Date& date) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", date.day, date.month, date.year);
  return buffer;
}

std::string WeekdayLabel(int weekday) {
  static const char* const kLabels[7] = {"So. ", "Mo. ", "Di. ", "Mi. ", "Do. ", "Fr. ", "Sa. "};
  return weekday >= 0 && weekday < 7 ? kLabels[weekday] : "";
}

bool ParseDateText(const std::string& text, platform::Date& date) {
  if (text.size() != 10 || text[2] != '.' || text[5] != '.') return false;
  auto digits = [&](size_t from, size_t count, int& value) {
    value = 0;
    for (size_t i = from; i < from + count; ++i) {
      if (text[i] < '0' || text[i] > '9') return false;
      value = value * 10 + (text[i] - '0');
    }
    return true;
  };
  platform::Date d;
  if (!digits(0, 2, d.day) || !digits(3, 2, d.month) || !digits(6, 4, d.year)) return false;
  const std::chrono::year_month_day ymd{std::chrono::year{d.year},
                                        std::chrono::month{static_cast<unsigned>(d.month)},
                                        std::chrono::day{static_cast<unsigned>(d.day)}};
  if (!ymd.ok() || d.year < 1) return false;
  date = d;
  return true;
}
