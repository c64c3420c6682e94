#include <cstdio>
#include <cstdlib>

#include "appointments/appointment_editor.h"
#include "appointments/time_boxes.h"
#include "platform/controls.h"
#include "shell/state/app_state.h"
#include "shell/state/date_text.h"
#include "shell/state/identifiers.h"

namespace {

std::string TwoDigits(int value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

// Times already past are offered only when the new appointment is not for today.
bool LimitedToComingTimes(const platform::LocalTime& now) {
  return IsEntering(App().editor) && App().SelectedDate == FormatDateText(now.date());
}

}  // namespace

void RefillMinuteBox(const platform::LocalTime& now) {
  const int selected = platform::SelectedListItem(kCtlMinuteBox);
  const int remembered =
      selected > 0 ? std::atoi(platform::ListItemText(kCtlMinuteBox, selected).c_str()) : 0;
  platform::ClearListItems(kCtlMinuteBox);
  const bool limited =
      LimitedToComingTimes(now) && std::atoi(platform::ControlText(kCtlHourBox).c_str()) == now.hour;
  for (int m = 0; m <= 55; m += 5)
    if (!limited || m > now.minute) platform::AddListItem(kCtlMinuteBox, TwoDigits(m));
  const int count = platform::ListItemCount(kCtlMinuteBox);
  if (count == 0) return;
  int choice = 0;
  for (int i = 0; i < count; ++i) {
    if (std::atoi(platform::ListItemText(kCtlMinuteBox, i).c_str()) == remembered) {
      choice = i;
      break;
    }
  }
  platform::SelectListItem(kCtlMinuteBox, choice);
}

void FillTimeBoxes(const platform::LocalTime& now) {
  platform::ClearListItems(kCtlHourBox);
  const bool limited = LimitedToComingTimes(now);
  for (int h = 0; h <= 23; ++h)
    if (!limited || h >= now.hour) platform::AddListItem(kCtlHourBox, TwoDigits(h));
  platform::SelectListItem(kCtlHourBox, -1);
  RefillMinuteBox(now);
}
