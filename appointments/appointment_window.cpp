#include "appointments/appointment_window.h"

#include <cstdio>
#include <cstdlib>

#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/shortcuts.h"
#include "platform/toolbar.h"
#include "platform/windows.h"
#include "shell/state/app_state.h"
#include "shell/state/date_text.h"
#include "shell/state/identifiers.h"

namespace {

using platform::ControlKind;

struct SetRow {
  bool toolbar[6];   // in the order of kToolbar
  bool controls[8];  // in the order of kControls
};

constexpr int kToolbar[6] = {kCmdToolNew,    kCmdToolOpen,  kCmdToolSave,
                             kCmdToolDelete, kCmdToolLeave, kCmdToolStopReminding};
constexpr int kControls[8] = {kCtlDateField,       kCtlOptionHour, kCtlOptionDay, kCtlOptionNone,
                              kCtlAppointmentText, kCtlDayList,    kCtlHourBox,   kCtlMinuteBox};

const SetRow& RowOf(EditorState state) {
  // Columns: the buttons of kToolbar, then the controls of kControls, each in that order.
  static const SetRow kView{{1, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 1, 0, 0}};
  static const SetRow kViewWithRow{{1, 1, 0, 1, 0, 0}, {1, 0, 0, 0, 0, 1, 0, 0}};
  static const SetRow kNew{{0, 0, 1, 0, 1, 0}, {1, 1, 1, 1, 1, 0, 1, 1}};
  static const SetRow kChange{{1, 0, 1, 0, 1, 0}, {0, 1, 1, 1, 1, 0, 1, 1}};
  static const SetRow kReminder{{0, 0, 0, 0, 1, 1}, {0, 0, 0, 0, 0, 0, 0, 0}};
  switch (state) {
    case EditorState::Closed:
    case EditorState::Viewing: return kView;
    case EditorState::RecordChosen: return kViewWithRow;
    case EditorState::Entering:
    case EditorState::EnteringChanged: return kNew;
    case EditorState::Changing:
    case EditorState::ChangingChanged: return kChange;
    case EditorState::Reminding: return kReminder;
  }
  return kView;
}

std::string TwoDigits(int value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

void SelectEntry(int box, int value) {
  const std::string wanted = TwoDigits(value);
  int found = -1;
  for (int i = 0; i < platform::ListItemCount(box); ++i)
    if (platform::ListItemText(box, i) == wanted) found = i;
  platform::SelectListItem(box, found);
}

int BoxValue(int box) { return std::atoi(platform::ControlText(box).c_str()); }

}  // namespace

void OpenAppointmentWindow(const platform::Date& today) {
  platform::CreateTopWindow(kAppointmentWindow, {.title = "",
                                                 .clientWidth = 364,
                                                 .clientHeight = 245,
                                                 .centred = true,
                                                 .resizable = true,
                                                 .minimiseBox = false});
  // A new window holds no input of the user; nothing is left to ask about. Its opener
  // says what it shows.
  App().editor = EditorState::Viewing;

  platform::CreateToolbar(kAppointmentWindow);
  using platform::ToolPicture;
  platform::AddToolButton(kAppointmentWindow, kCmdToolNew, ToolPicture::NewDocument, "Neuer Termin");
  platform::AddToolButton(kAppointmentWindow, kCmdToolOpen, ToolPicture::OpenFolder,
                          platform::Cp1252("Öffnen/Ändern"));
  platform::AddToolButton(kAppointmentWindow, kCmdToolLeave, ToolPicture::Properties,
                          "Neue Auswahl aus Liste");
  platform::AddToolButton(kAppointmentWindow, kCmdToolSave, ToolPicture::Save, "Termin Speichern");
  platform::AddToolButton(kAppointmentWindow, kCmdToolDelete, ToolPicture::Delete,
                          platform::Cp1252("Termin Löschen"));
  platform::AddToolButtonWithPicture(kAppointmentWindow, kCmdToolStopReminding, kPictureReminderButton,
                                     "Termin nicht mehr melden");
  // Return would otherwise trigger a default button; the command does nothing.
  platform::AddReturnKeyCommand(kAppointmentWindow, kCmdReturnKey);

  const int w = kAppointmentWindow;
  platform::CreateControl(w, kCtlDateFrame, ControlKind::Frame, 5, 30, 105, 45, "Datum:");
  platform::CreateControl(w, kCtlDateField, ControlKind::DateField, 10, 45, 95, 25);
  platform::SetDateFieldMinimum(kCtlDateField, today);
  platform::SetDateFieldDate(kCtlDateField, today);
  platform::CreateControl(w, kCtlTimeFrame, ControlKind::Frame, 5, 80, 105, 60, "Zeit:");
  platform::CreateControl(w, kCtlHourLabel, ControlKind::RightLabel, 30, 95, 15, 20, "h");
  platform::CreateControl(w, kCtlMinuteLabel, ControlKind::RightLabel, 75, 95, 25, 20, "min");
  platform::CreateControl(w, kCtlHourBox, ControlKind::DropDownList, 10, 115, 40, 100);
  platform::CreateControl(w, kCtlMinuteBox, ControlKind::DropDownList, 65, 115, 40, 100);
  platform::CreateControl(w, kCtlTextFrame, ControlKind::Frame, 120, 30, 235, 45, "Text/Termin:");
  platform::CreateControl(w, kCtlAppointmentText, ControlKind::LineEdit, 125, 45, 225, 20);
  platform::CreateControl(w, kCtlReminderFrame, ControlKind::Frame, 5, 150, 105, 90, "Erinnerung:");
  platform::CreateControl(w, kCtlOptionHour, ControlKind::OptionButton, 10, 165, 95, 20, "1 Stunde");
  platform::CreateControl(w, kCtlOptionDay, ControlKind::OptionButton, 10, 185, 95, 25, "1 Tag");
  platform::CreateControl(w, kCtlOptionNone, ControlKind::OptionButton, 10, 210, 95, 25, "Keine");
  platform::SetOptionChecked(kCtlOptionHour, true);
  platform::CreateControl(w, kCtlDayListFrame, ControlKind::Frame, 120, 85, 235, 155);
  platform::CreateControl(w, kCtlDayList, ControlKind::ReportList, 125, 100, 225, 135);
  platform::AddReportColumn(kCtlDayList, "Zeit:", 45);
  platform::AddReportColumn(kCtlDayList, "Termin", 176);
  // The fields are named by the caption beside them, so that a screen reader can tell
  // the hour list from the minute list.
  platform::SetControlAccessibleName(kCtlDateField, "Datum:");
  platform::SetControlAccessibleName(kCtlHourBox, "h");
  platform::SetControlAccessibleName(kCtlMinuteBox, "min");
  platform::SetControlAccessibleName(kCtlAppointmentText, "Text/Termin:");
  platform::ShowWindow(kAppointmentWindow);
}

bool AppointmentWindowOpen() { return platform::WindowExists(kAppointmentWindow); }

void SetAppointmentWindowTitle(const std::string& title) {
  platform::SetWindowTitle(kAppointmentWindow, title);
}

std::string DayTitle(const std::string& day) { return "Termine " + day + ":"; }

void SetEditorState(EditorState state) {
  App().editor = state;
  const SetRow& row = RowOf(state);
  for (int i = 0; i < 6; ++i) platform::EnableToolButton(kToolbar[i], row.toolbar[i]);
  for (int i = 0; i < 8; ++i) platform::EnableControl(kControls[i], row.controls[i]);
}

Appointment ReadEditor() {
  Appointment a;
  a.DateText = platform::ControlText(kCtlDateField);
  a.Hour = static_cast<int8_t>(BoxValue(kCtlHourBox));
  a.Minute = static_cast<int8_t>(BoxValue(kCtlMinuteBox));
  a.ReminderKind = platform::IsOptionChecked(kCtlOptionHour)  ? ReminderKind::Hour
                   : platform::IsOptionChecked(kCtlOptionDay) ? ReminderKind::Day
                                                              : ReminderKind::None;
  a.Text = platform::ControlText(kCtlAppointmentText);
  return a;
}

void ShowInEditor(const Appointment& record) {
  SelectEntry(kCtlHourBox, record.Hour);
  SelectEntry(kCtlMinuteBox, record.Minute);
  const int option = record.ReminderKind == ReminderKind::Hour  ? kCtlOptionHour
                     : record.ReminderKind == ReminderKind::Day ? kCtlOptionDay
                                                                : kCtlOptionNone;
  platform::SetOptionChecked(option, true);
  platform::SetControlText(kCtlAppointmentText, record.Text);
}

void EnableMonthCalendar(bool enabled) { platform::EnableControl(kCtlCalendar, enabled); }
