#pragma once
// The appointment editor: its commands (menu "Termin", the toolbar, Return), the
// events of its controls and of the month calendar, and the close box of kAppointmentWindow.

// Shows the records of SelectedDate in the day list, in list order; a day left without
// records loses its bold mark.
void FillDayList();
// Refills the hour and minute boxes; while a new appointment for today is entered, only
// times still to come are offered.
void FillTimeBoxes();
// Stores the editor's input as a new record or over the one at EditIndex and writes
// Term.dat. Refuses an empty text and a day and time that another record has; false
// then, with the editor left as it is.
bool SaveEditor();

// Commands 0, 1 and 43-49; other identifiers are ignored.
void HandleAppointmentCommand(int command);
// Control events of the month calendar (6) and the editor (23, 29-32, 34-36).
void HandleAppointmentControl(int control);
// The close box of kAppointmentWindow.
void HandleAppointmentWindowClose();
