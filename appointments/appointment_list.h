#pragma once
// The appointment list in memory (App().Appointments) and Term.dat, its file.
#include <string>

#include "platform/types.h"
#include "shell/state/appointment.h"

constexpr const char* kAppointmentFileName = "Term.dat";
// No real Term.dat comes near this; a larger one is refused as unreadable.
constexpr size_t kAppointmentReadLimit = size_t{64} << 20;

// Empties the list and reads Term.dat into it; a file that is missing or cannot be read
// is reported and leaves the list empty. One that exists but cannot be read is never
// written in this run.
void LoadAppointments();
// Start-up, after LoadAppointments: sorts by time of day, drops records old at `now`
// and marks the remaining days bold on the month calendar.
void PrepareAppointmentsAtStart(const platform::LocalTime& now);
// Writes the whole list to Term.dat. A change made to the file meanwhile is merged in
// first (and shown); a list that equals what the file holds is not written again. On
// failure says so and leaves the old file as it was; false then.
bool SaveAppointments();
// First run: creates an empty Term.dat where none exists (one that cannot be read is
// not replaced).
void CreateMissingAppointmentFile();
// Merges a change made to Term.dat on disk into the list and shows the result in the
// calendar, the day list and the editor's selection. False when the file can no longer
// be read (it must not be written then).
bool MergeAppointmentFileChange();
// After the list changed by a merge: the calendar's bold days, the day list and the
// editor's record follow it.
void ShowMergedAppointments();

// Ascending hour; equal hours by minute, then in the order they had.
void SortAppointmentsByTime(AppointmentList& list);
// The start-up rule for old records: month and year are compared separately, so
// 20.12.2006 is kept on 06.01.2008 while 15.01.2007 goes.
bool IsOldAppointment(const std::string& dateText, int month, int year);
// Marks bold on the month calendar exactly the days the list has records on: a day left
// without records loses its mark. A date text that names no day marks nothing.
void ShowAppointmentDays();
