#include "tests/appointment_tests/appointment_test_support.h"

#include "appointments/appointment_file.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/testing/ui_driver.h"
#include "shell/state/identifiers.h"

Appointment Record(const std::string& day, int hour, int minute, int kind, const std::string& text) {
  Appointment a;
  a.DateText = day;
  a.Hour = static_cast<int8_t>(hour);
  a.Minute = static_cast<int8_t>(minute);
  a.ReminderKind = static_cast<ReminderKind>(kind);
  a.Text = text;
  return a;
}

void AppointmentProgramTest::StartWith(const AppointmentList& records, int year, int month, int day,
                                       int hour, int minute) {
  CopyDeliveredFiles();
  WriteFile("Term.dat", EncodeAppointments(records));
  SetTime(year, month, day, hour, minute);
  Start();
}

void AppointmentProgramTest::Menu(int item) {
  platform::TriggerMenuItem(kMainMenu, item);
  Drain();
}

void AppointmentProgramTest::Tool(int command) {
  platform::ClickToolButton(command);
  Drain();
}

void AppointmentProgramTest::CloseWindow() {
  platform::RequestWindowClose(kAppointmentWindow);
  Drain();
}

std::vector<std::string> AppointmentProgramTest::Entries(int box) const {
  const int count = platform::ListItemCount(box);
  std::vector<std::string> entries;
  entries.reserve(count);
  for (int i = 0; i < count; ++i) entries.push_back(platform::ListItemText(box, i));
  return entries;
}

std::vector<std::string> AppointmentProgramTest::DayListRows() const {
  const int count = platform::ReportRowCount(kCtlDayList);
  std::vector<std::string> rows;
  rows.reserve(count);
  for (int r = 0; r < count; ++r)
    rows.push_back(platform::ReportCell(kCtlDayList, r, 0) + " " + platform::ReportCell(kCtlDayList, r, 1));
  return rows;
}

bool AppointmentProgramTest::Bold(const platform::Date& day) const {
  return platform::IsCalendarDayBold(kCtlCalendar, day);
}

AppointmentList AppointmentProgramTest::SavedRecords() const {
  return DecodeAppointments(ReadFile("Term.dat"));
}
