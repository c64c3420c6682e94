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

std::vector<size_t> DayRecords(const AppointmentList& list, const std::string& day) {
  std::vector<size_t> rows;
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].DateText == day) rows.push_back(i);
  return rows;
}

int SelectedIndex() { return FindByKey(App().Appointments, App().SelectedRecord); }

void FillDayList() {
  // Read out as the day it lists, unlike the main window's calendar.
  const std::string name = "Termine " + App().SelectedDate;
  platform::SetControlAccessibleName(kCtlDayListFrame, name);
  platform::SetControlAccessibleName(kCtlDayList, name);
  platform::ClearReportRows(kCtlDayList);
  const AppointmentList& list = App().Appointments;
  for (size_t i : DayRecords(list, App().SelectedDate))
    platform::AddReportRow(kCtlDayList, {TimeCell(list[i].Hour, list[i].Minute), list[i].Text});
}
