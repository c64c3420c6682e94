#include "appointments/appointment_editor.h"
#include "appointments/appointment_list.h"
#include "appointments/appointment_window.h"
#include "appointments/time_boxes.h"
#include "organs/current_organ.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/windows.h"
#include "shell/state/app_state.h"
#include "shell/state/date_text.h"
#include "shell/state/identifiers.h"

namespace {

void CalendarDayChosen() {
  const platform::LocalTime now = platform::Now();
  const platform::Date day = platform::CalendarSelectedDay(kCtlCalendar);
  App().SelectedDate = FormatDateText(day);
  if (!platform::IsCalendarDayBold(kCtlCalendar, day)) return;  // a day without records opens nothing
  OpenAppointmentWindow(now.date());
  SetAppointmentWindowTitle(DayTitle(App().SelectedDate));
  // A day before today cannot stand in the field, which starts at today; the day list
  // and the title still show the chosen day.
  platform::SetDateFieldDate(kCtlDateField, day);
  SetEditorState(EditorState::Viewing);
  FillTimeBoxes(now);
  EnableMonthCalendar(false);
  FillDayList();
}

void DateFieldChanged() {
  App().SelectedDate = platform::ControlText(kCtlDateField);
  SetAppointmentWindowTitle(DayTitle(App().SelectedDate));
  const EditorState state = App().editor;
  if (!IsEntering(state)) platform::SetControlText(kCtlAppointmentText, "");
  FillTimeBoxes(platform::Now());
  platform::SelectReportRow(kCtlDayList, -1);
  if (state == EditorState::RecordChosen) SetEditorState(EditorState::Viewing);
  FillDayList();
}

void DayListClicked() {
  const int row = platform::SelectedReportRow(kCtlDayList);
  if (row < 0) {
    SetEditorState(EditorState::Viewing);
    return;
  }
  SetEditorState(EditorState::RecordChosen);
  FillTimeBoxes(platform::Now());
  // The day list shows the day's records in list order, so the row names its record even
  // among records of the same time.
  const AppointmentList& list = App().Appointments;
  const std::vector<size_t> rows = DayRecords(list, App().SelectedDate);
  App().SelectedRecord.reset();  // nothing to change or delete unless the row's record is found
  if (row < static_cast<int>(rows.size())) {
    App().SelectedRecord = KeyOf(list, rows[row]);
    ShowInEditor(list[rows[row]]);
  }
}

}  // namespace

void HandleAppointmentControl(int control) {
  if (control == kCtlCalendar) {
    CalendarDayChosen();
    return;
  }
  if (!AppointmentWindowOpen()) return;
  switch (control) {
    case kCtlDateField: DateFieldChanged(); break;
    case kCtlDayList: DayListClicked(); break;
    case kCtlHourBox:
      App().editor = WithUnsavedInput(App().editor);
      RefillMinuteBox(platform::Now());
      break;
    case kCtlMinuteBox:
    case kCtlOptionHour:
    case kCtlOptionDay:
    case kCtlOptionNone:
    // The text field reports typing only, never the program's own fills: a record shown
    // from the day list or by a reminder therefore does not count as a change.
    case kCtlAppointmentText: App().editor = WithUnsavedInput(App().editor); break;
    default: break;
  }
}

void HandleAppointmentWindowClose() {
  if (!AppointmentWindowOpen()) return;
  if (HoldsUnsavedInput(App().editor)) {
    const platform::MessageAnswer answer =
        platform::ShowMessageBox("Frage?", platform::Cp1252("Änderungen Speichern?"),
                                 platform::MessageIcon::Question, platform::MessageButtons::YesNoCancel);
    if (answer == platform::MessageAnswer::Cancel) return;
    // SaveEditor writes Term.dat at once, so what the user confirmed here survives a
    // crash; stored or refused, the window closes.
    if (answer == platform::MessageAnswer::Yes) SaveEditor();
  }
  platform::DestroyWindow(kAppointmentWindow);
  App().editor = EditorState::Closed;
  // Still busy means an organ text is being edited: it keeps its field, and the organ
  // catches up when that edit ends.
  if (!IsBusy()) UpdateCurrentOrgan(platform::Now().hour);
  EnableMonthCalendar(true);
}
