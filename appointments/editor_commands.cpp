#include "appointments/appointment_editor.h"
#include "appointments/appointment_list.h"
#include "appointments/appointment_window.h"
#include "appointments/reminder_notices.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/windows.h"
#include "shell/state/app_state.h"
#include "shell/state/date_text.h"
#include "shell/state/identifiers.h"

namespace {

bool AskYesNo(const std::string& text) {
  return platform::ShowMessageBox("Frage?", text, platform::MessageIcon::Question,
                                  platform::MessageButtons::YesNo) == platform::MessageAnswer::Yes;
}

void NewAppointment() {
  const platform::LocalTime now = platform::Now();
  App().SelectedDate = FormatDateText(now.date());
  OpenAppointmentWindow(now.date());
  SetAppointmentWindowTitle("Neuen Termin eingeben:");
  FillDayList();
  SetEditorState(EditorState::Entering);
  EnableMonthCalendar(false);
  FillTimeBoxes(now);
}

void OpenToday() {
  const platform::LocalTime now = platform::Now();
  App().SelectedDate = FormatDateText(now.date());
  OpenAppointmentWindow(now.date());
  SetAppointmentWindowTitle(DayTitle(App().SelectedDate));
  // A new appointment being entered in the replaced window is gone; holding back the
  // reminders any longer would only lose them.
  SetEditorState(EditorState::Viewing);
  FillTimeBoxes(now);
  EnableMonthCalendar(false);
  platform::SelectReportRow(kCtlDayList, -1);
  FillDayList();
}

void ToolNew() {
  // Input typed into an opened record is still there to be asked about.
  SetEditorState(HoldsUnsavedInput(App().editor) ? EditorState::EnteringChanged : EditorState::Entering);
  // A past day shown from the month calendar cannot stand in the date field, which
  // starts at today; the new record takes the field's day, so the list shows that day.
  App().SelectedDate = platform::ControlText(kCtlDateField);
  SetAppointmentWindowTitle("Neuen Termin eingeben:");
  FillDayList();
  FillTimeBoxes(platform::Now());
}

void ToolChange() { SetEditorState(EditorState::Changing); }

void ToolLeave() {
  if (HoldsUnsavedInput(App().editor) && AskYesNo(platform::Cp1252("Änderungen Speichern?"))) SaveEditor();
  // Input that was not stored is dropped, whatever the answer.
  if (platform::SelectedReportRow(kCtlDayList) >= 0) {
    SetEditorState(EditorState::RecordChosen);
  } else {
    SetEditorState(EditorState::Viewing);
    platform::SetControlText(kCtlAppointmentText, "");
  }
}

void ToolDelete() {
  const std::string text = platform::ControlText(kCtlAppointmentText);
  if (!AskYesNo("Termin " + text + platform::Cp1252(" Löschen?"))) return;
  platform::SelectReportRow(kCtlDayList, -1);
  SetEditorState(EditorState::Viewing);
  platform::SetControlText(kCtlAppointmentText, "");
  if (const int index = SelectedIndex(); index >= 0)
    App().Appointments.erase(App().Appointments.begin() + index);
  App().SelectedRecord.reset();
  ShowAppointmentDays();
  FillDayList();
  SaveAppointments();
}

void ToolStopReminding() {
  if (const int index = SelectedIndex(); index >= 0) {
    App().Appointments[index].ReminderKind = ReminderKind::None;
    WithdrawReminderNotice(App().Appointments[index]);
  }
  App().editor = EditorState::Closed;
  platform::DestroyWindow(kAppointmentWindow);
  // The window may have replaced one that had the calendar disabled; with no window
  // left, nothing else would give the calendar back.
  EnableMonthCalendar(true);
  // Written at once: the user's "never again" must survive a crash or a killed session.
  SaveAppointments();
}

// The toolbar's commands only mean something while its window exists.
template <auto tool>
void IfWindowOpen() {
  if (AppointmentWindowOpen()) tool();
}

// Return exists as a command only so that it does nothing in the window.
constexpr CommandEntry kEntries[] = {
    {kCmdNewAppointment, "&Neu", NewAppointment},
    {kCmdOpenAppointments, "Ö&ffnen", OpenToday},
    {kCmdReturnKey, nullptr, nullptr},
    {kCmdToolNew, nullptr, IfWindowOpen<ToolNew>},
    {kCmdToolOpen, nullptr, IfWindowOpen<ToolChange>},
    {kCmdToolSave, nullptr, IfWindowOpen<SaveEditor>},
    {kCmdToolLeave, nullptr, IfWindowOpen<ToolLeave>},
    {kCmdToolDelete, nullptr, IfWindowOpen<ToolDelete>},
    {kCmdToolStopReminding, nullptr, IfWindowOpen<ToolStopReminding>},
};

}  // namespace

const CommandTable kAppointmentCommands = kEntries;
