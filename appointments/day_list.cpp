#include <cstdio>

#include "appointments/appointment_editor.h"
#include "appointments/appointment_list.h"
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"

namespace {

std::string TimeCell(int hour, int minute) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d", hour, minute);
  return buffer;
}

}  // namespace

void FillDayList() {
  // Read out as the day it lists, unlike the main window's calendar.
  const std::string name = "Termine " + App().SelectedDate;
  platform::SetControlAccessibleName(kCtlDayListFrame, name);
  platform::SetControlAccessibleName(kCtlDayList, name);
  platform::ClearReportRows(kCtlDayList);
  for (const Appointment& a : App().Appointments)
    if (a.DateText == App().SelectedDate)
      platform::AddReportRow(kCtlDayList, {TimeCell(a.Hour, a.Minute), a.Text});
  if (platform::ReportRowCount(kCtlDayList) == 0) MarkAppointmentDay(App().SelectedDate, false);
}
