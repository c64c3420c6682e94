#pragma once
// The appointment list in memory (App().Appointments) and Term.dat, its file.
#include <string>

#include "shell/state/appointment.h"

constexpr const char* kAppointmentFileName = "Term.dat";

// Empties the list and reads Term.dat into it; a missing file is reported and leaves
// the list empty.
void LoadAppointments();
// Start-up, after LoadAppointments: sorts by time of day, drops old records and marks
// the remaining days bold on the month calendar.
void PrepareAppointmentsAtStart();
// Writes the whole list to Term.dat. On failure says so and leaves the old file as it
// was; false then. The list is unchanged either way.
bool SaveAppointments();
// True if Term.dat can be read (the first run creates it otherwise).
bool AppointmentFileReadable();

// Ascending hour; equal hours by minute, then in the order they had.
void SortAppointmentsByTime(AppointmentList& list);
// The start-up rule for old records: month and year are compared separately, so
// 20.12.2006 is kept on 06.01.2008 while 15.01.2007 goes.
bool IsOldAppointment(const std::string& dateText, int month, int year);
// Sets or clears the bold mark of the record's day on the month calendar; a text that
// names no day marks nothing.
void MarkAppointmentDay(const std::string& dateText, bool bold);
