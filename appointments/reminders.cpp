#include "appointments/reminders.h"

#include <vector>

#include "appointments/appointment_editor.h"
#include "appointments/appointment_window.h"
#include "appointments/reminder_notices.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/windows.h"
#include "shell/state/app_state.h"
#include "shell/state/date_text.h"
#include "shell/state/identifiers.h"
#include "sound/reminder_sound.h"

namespace {

// The position of the record to announce, or -1.
int DueDayReminder(const std::string& today) {
  const AppointmentList& list = App().Appointments;
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].ReminderKind == ReminderKind::Day && list[i].DateText == today) return static_cast<int>(i);
  return -1;
}

int DueHourReminder(const std::string& today, int hour, int minute) {
  const AppointmentList& list = App().Appointments;
  for (size_t i = 0; i < list.size(); ++i) {
    const Appointment& a = list[i];
    if (a.ReminderKind != ReminderKind::Hour || a.Minute != minute || a.DateText != today) continue;
    // From 23:00 "at most one hour ahead" would take in every record of today, so
    // then only records of today at 00:mm count.
    if (hour == 23 ? a.Hour == 0 : a.Hour <= hour + 1) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

void RunDayCheck(const platform::LocalTime& now) {
  const int index = DueDayReminder(FormatDateText(now.date()));
  if (index >= 0) ShowReminder(now, index, true);
}

void RunMinuteCheck(const platform::LocalTime& now) {
  const int index = DueHourReminder(FormatDateText(now.date()), now.hour, now.minute);
  if (index >= 0) ShowReminder(now, index, now.hour == 23);
}

void RunMissedMinuteChecks(const platform::LocalTime& now, int minutes) {
  // Each record once, at the latest minute it fell due.
  std::vector<int> due;
  bool lastOnTop = false;
  for (int back = minutes; back >= 1; --back) {
    const platform::LocalTime then = platform::AddSeconds(now, -60LL * back);
    const int index = DueHourReminder(FormatDateText(then.date()), then.hour, then.minute);
    if (index < 0) continue;
    std::erase(due, index);
    due.push_back(index);
    lastOnTop = then.hour == 23;
  }
  if (due.empty()) return;
  // Every missed one gets its notification; the window shows the latest.
  for (size_t i = 0; i + 1 < due.size(); ++i) NotifyReminder(App().Appointments[due[i]]);
  ShowReminder(now, due.back(), lastOnTop);
}

void ShowReminder(const platform::LocalTime& now, int index, bool stayOnTop) {
  if (index < 0 || index >= static_cast<int>(App().Appointments.size())) return;
  if (App().settings.reminderSound) PlayReminderSound();
  // Replaces an open window whatever it shows; its unsaved input is dropped.
  OpenAppointmentWindow(now.date());
  if (stayOnTop) platform::SetWindowOnTop(kAppointmentWindow, true);
  const Appointment& record = App().Appointments[index];
  App().SelectedDate = record.DateText;
  SetAppointmentWindowTitle("Termine heute: " + App().SelectedDate);
  SetEditorState(EditorState::Reminding);
  App().SelectedRecord = KeyOf(App().Appointments, static_cast<size_t>(index));
  platform::Date day;
  if (ParseDateText(record.DateText, day)) platform::SetDateFieldDate(kCtlDateField, day);
  FillTimeBoxes(now);
  ShowInEditor(record);
  FillDayList();
  NotifyReminder(record);
}
