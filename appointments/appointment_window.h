#pragma once
// The appointment window (kAppointmentWindow): toolbar, editor fields and the day list.
#include <string>

#include "platform/types.h"
#include "shell/state/appointment.h"
#include "shell/state/editor_state.h"

// Creates kAppointmentWindow afresh (an open one is replaced) and shows it: date field at
// `today`, which is also its earliest day, option "1 Stunde", empty text and day list.
void OpenAppointmentWindow(const platform::Date& today);
bool AppointmentWindowOpen();
void SetAppointmentWindowTitle(const std::string& title);
// The window's title for the appointments of one day: "Termine dd.mm.yyyy:".
std::string DayTitle(const std::string& day);

// Takes on `state` and lets the toolbar buttons (kCmdToolNew ... kCmdToolStopReminding)
// and editor controls (date field, reminder options, text, day list, hour and minute
// boxes) that it allows be used.
void SetEditorState(EditorState state);

// The editor's fields as a record: the day from the date field, hour and minute from
// their boxes (an empty box is 0), the checked option and the text field.
Appointment ReadEditor();
// Puts a record's hour, minute, reminder kind and text into the editor.
void ShowInEditor(const Appointment& record);

// Clears or sets the month calendar's usability while the window is open.
void EnableMonthCalendar(bool enabled);
