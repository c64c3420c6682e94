#pragma once
// The saver's own organ table and date texts; it reads nothing of organclock.

#include <string>
#include <string_view>

namespace organsaver {

struct OrganRow {
  std::string_view name;  // UTF-8
  std::string_view period;
};

// Row k = (hour + 1) div 2 of the table, hour 0 taking row 12 (Gallenblase).
OrganRow OrganRowForHour(int hour);

// "So. " to "Sa. ", index 0 = Sunday, each with one trailing blank.
std::string_view WeekdayLabel(int dayOfWeek);
inline constexpr std::string_view kSundayLabel = "So. ";

// "%dd.%mm.%yyyy": 06.12.2026.
std::string FormatDateText(int day, int month, int year);

}  // namespace organsaver
