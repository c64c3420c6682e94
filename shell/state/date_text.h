#pragma once
// Days written with the date mask "%dd.%mm.%yyyy" and the weekday labels.
#include <string>

#include "platform/types.h"

// "07.12.2026" for 7 December 2026.
std::string FormatDateText(const platform::Date& date);
// "So. " ... "Sa. " for weekday 0 (Sunday) ... 6; each with one trailing blank.
std::string WeekdayLabel(int weekday);
// Reads "dd.mm.yyyy" back into a day; false when the text is not of that form or names
// no real day.
bool ParseDateText(const std::string& text, platform::Date& date);
