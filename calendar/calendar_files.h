#pragma once
// "Importieren…" and "Exportieren…" of the menu "Termin": appointments to and from
// iCalendar (.ics) files.
#include <string>

#include "shell/state/appointment.h"

// Asks for a file and writes every appointment from today on into it.
void ExportCalendarFile();
// Asks for an .ics file and adds its events from today on to the list, leaving out
// those already there; Term.dat is written when something was added.
void ImportCalendarFile();

// The UID an exported appointment carries: made from its day and time, which identify
// a record, so exporting twice gives the same events and a calendar updates them.
std::string ExportUidOf(const Appointment& appointment);
