#include "saver/clock_texts.h"

#include "saver/organ_rows.h"

namespace organsaver {

ClockTexts PreviewClockTexts() {
  ClockTexts texts;
  texts.organName = "Gallenblase";
  texts.organPeriod = "23-01 Uhr";
  return texts;
}

void RefreshClockTexts(ClockTexts& texts, const LocalTime& now) {
  if (texts.lastRefreshHour == now.hour) return;
  const OrganRow row = OrganRowForHour(now.hour);
  texts.organName = row.name;
  texts.organPeriod = row.period;
  texts.weekdayText = WeekdayLabel(now.dayOfWeek);
  texts.dateLine = texts.weekdayText + FormatDateText(now.day, now.month, now.year);
  texts.lastRefreshHour = now.hour;
}

}  // namespace organsaver
