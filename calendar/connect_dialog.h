#pragma once
// "Kalender verbinden…": the address (a calendar, or a server whose calendars are
// looked up), user and password, a choice of the calendars found, and a status line.
#include <string>

void OpenCalendarDialog();
// The sync's status reaches the dialog's status line and, when something is wrong,
// the second line of the tray tooltip.
void ShowCalendarStatus(const std::string& status, bool isProblem);
// True while the dialog looks for calendars on the server.
bool CalendarSearchRunning();
