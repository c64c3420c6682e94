#pragma once
// The appointment window (kAppointmentWindow): toolbar, editor fields and the day list.
#include <string>

#include "shell/state/appointment.h"

// Which toolbar buttons (kCmdToolNew ... kCmdToolStopReminding) and editor controls (date
// field, reminder options, text, day list, hour and minute boxes) can be used.
enum class EditorSet { View, ViewWithRow, New, Change, Reminder };

// Creates kAppointmentWindow afresh (an open one is replaced) and shows it: date field at today,
// which is also its earliest day, option "1 Stunde", empty text and day list.
void OpenAppointmentWindow();
bool AppointmentWindowOpen();
void SetAppointmentWindowTitle(const std::string& title);

void ApplyEditorSet(EditorSet set);
void ApplyEditorToolbar(EditorSet set);

// The editor's fields as a record: the day from the date field, hour and minute from
// their boxes (an empty box is 0), the checked option and the text field.
Appointment ReadEditor();
// Puts a record's hour, minute, reminder kind and text into the editor.
void ShowInEditor(const Appointment& record);

// Clears or sets the month calendar's usability while the window is open.
void EnableMonthCalendar(bool enabled);
