#pragma once
// Appointments as iCalendar events (RFC 5545) and back, through libical. The program's
// side is Windows-1252; everything iCalendar is UTF-8, converted here and nowhere else.
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"
#include "shell/state/appointment.h"

// One appointment read from a calendar, with what names its event there.
struct CalendarOccurrence {
  std::string uid;
  // Empty for a single event; for one occurrence of a series its RECURRENCE-ID value
  // as iCalendar writes it ("20261207T100000" or "20261207").
  std::string recurrenceId;
  Appointment appointment;
};

// A UID of organclock's own making: unique across machines and runs.
std::string NewEventUid();

// A VCALENDAR holding one VEVENT for the appointment: DTSTART in the local time zone
// with its VTIMEZONE, one hour long, SUMMARY the text, and the alarm its reminder asks for.
std::string CalendarOfAppointment(const Appointment& appointment, const std::string& uid);
// One VCALENDAR with an event per appointment (an .ics file); uids[i] names list[i].
std::string CalendarOfAppointments(const AppointmentList& list, const std::vector<std::string>& uids);

// The appointments a calendar text gives, seen from `today`: single events from today
// on, and each occurrence of a series in the twelve months from today (its moved
// occurrences at their new time, cancelled and excluded ones left out). Text that is no
// calendar gives nothing.
std::vector<CalendarOccurrence> AppointmentsOfCalendar(std::string_view icalendar,
                                                       const platform::Date& today);

// Edits a fetched event so that it says what `appointment` says and keeps everything
// organclock does not show (description, location, attendees, other properties). For an
// occurrence of a series it adds or edits that occurrence's exception; the series itself
// stays. Gives the fetched text unchanged when it holds no such event.
std::string EditedCalendar(std::string_view fetched, const CalendarOccurrence& changed);
// Leaves one occurrence out of a series (EXDATE, and its exception removed).
std::string CalendarWithoutOccurrence(std::string_view fetched, const std::string& recurrenceId);
