#pragma once
// The texts on the face: organ name and period on the disc, and the date line.

#include <optional>
#include <string>

#include "saver/local_clock.h"

namespace organsaver {

struct ClockTexts {
  std::string organName;  // UTF-8
  std::string organPeriod;
  std::string weekdayText;
  std::string dateLine;                // weekdayText followed by the date
  std::optional<int> lastRefreshHour;  // none before the first refresh
};

// The preview shows the same organ for its whole run and has no date line.
ClockTexts PreviewClockTexts();

// Full-screen, after each drawn frame: takes the organ and date of the current
// hour when the hour differs from the last refresh (always on the first call).
void RefreshClockTexts(ClockTexts& texts, const LocalTime& now);

}  // namespace organsaver
