#pragma once
#include <string>
#include <vector>

#include "platform/types.h"
#include "shell/state/appointment.h"
#include "shell/state/command_entry.h"

// The appointment editor: its commands (menu "Termin", the toolbar, Return), the
// events of its controls and of the month calendar, and the close box of kAppointmentWindow.

// The positions of the records of `day`, in list order: the rows of its day list.
std::vector<size_t> DayRecords(const AppointmentList& list, const std::string& day);
// Shows the records of SelectedDate (DayRecords) in the day list.
void FillDayList();
// The position of the record the editor holds, or -1.
int SelectedIndex();
// Refills the hour and minute boxes; while a new appointment for the day of `now` is
// entered, only times after `now` are offered.
void FillTimeBoxes(const platform::LocalTime& now);
// Stores the editor's input as a new record or over the one it holds and writes
// Term.dat. Refuses an empty text and a day and time that another record has; false
// then, with the editor left as it is.
bool SaveEditor();

// "Neu" and "Öffnen" of the menu "Termin", the toolbar and Return.
extern const CommandTable kAppointmentCommands;
// Control events of the month calendar (6) and the editor (23, 29-32, 34-36).
void HandleAppointmentControl(int control);
// The close box of kAppointmentWindow.
void HandleAppointmentWindowClose();
