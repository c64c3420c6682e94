#include "appointments/appointment_editor.h"
#include "appointments/appointment_list.h"
#include "appointments/appointment_window.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"

namespace {

void Refuse(const char* utf8Text) {
  platform::ShowMessageBox("Fehler!", platform::Cp1252(utf8Text), platform::MessageIcon::Error);
}

}  // namespace

bool SaveEditor() {
  Appointment entered = ReadEditor();
  if (entered.Text.empty()) {  // a text of blanks is a text
    Refuse("Termin Text: Eingabe fehlt !");
    return false;
  }
  AppointmentList& list = App().Appointments;
  const int held = IsEntering(App().editor) ? -1 : SelectedIndex();
  const bool overwrite = held >= 0;
  // A changed record keeps its day: the date field cannot show a day before today, so
  // for a past day it would otherwise move the record to today.
  if (overwrite) entered.DateText = list[held].DateText;
  for (size_t i = 0; i < list.size(); ++i) {
    if (overwrite && static_cast<int>(i) == held) continue;  // its own time may stay
    const Appointment& other = list[i];
    if (other.DateText == entered.DateText && other.Hour == entered.Hour &&
        other.Minute == entered.Minute) {
      Refuse("Es ist schon ein Termin um diese Uhrzeit vorhanden !");
      return false;
    }
  }
  if (overwrite) list[held] = entered;
  else list.push_back(entered);
  App().SelectedRecord.reset();  // the stored record is no longer shown as chosen

  FillDayList();
  SaveAppointments();
  ShowAppointmentDays();
  platform::SelectReportRow(kCtlDayList, -1);
  SetEditorState(EditorState::Viewing);
  return true;
}
