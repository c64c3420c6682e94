#pragma once
// One sync between the appointment list and the calendar on the server, decided as a
// pure function of the list, the state the last sync left, and what the server holds
// now. The network client carries the plan out and sends the writes.
#include <string>
#include <vector>

#include "calendar/sync_state.h"
#include "platform/types.h"
#include "shell/state/appointment.h"

// A write to the server. Every write says what it is based on: a new object is sent
// with If-None-Match: *, a changed one with If-Match and the ETag it was made from, so
// that a change on the server in between is answered with 412 and never overwritten.
struct CalendarWrite {
  enum class Kind { Put, Delete } kind = Kind::Put;
  std::string href;
  std::string ifMatch;  // empty: the object is new (If-None-Match: *)
  std::string ics;      // Put only
};

struct SyncPlan {
  AppointmentList appointments;  // the list after the sync
  std::vector<CalendarWrite> writes;
  SyncState state;  // after the writes; their ETags are filled in from the answers
};

// `server`: every object of the calendar collection with its current ETag and text.
// `newUid` names an appointment that is new to the calendar; its object goes into
// `newHrefFolder` (the collection's path). Rules:
// - an appointment and an event tied at the last sync: the side that changed wins;
//   both changed: KeepBothVersions;
// - an appointment gone from the list is deleted on the server only if its day is not
//   past (past ones are dropped by the list itself, not by the user); one occurrence of
//   a series is excluded, the series stays;
// - an event gone from the server takes its unchanged appointment with it;
// - untied on both sides (the first sync): same day, time and text are tied, not doubled;
//   the rest goes both ways, appointments from today on.
SyncPlan PlanSync(const AppointmentList& appointments, const SyncState& last,
                  const std::vector<SyncResource>& server, const platform::Date& today,
                  std::string (*newUid)(), const std::string& newHrefFolder = "");

// Both sides changed the same appointment since the last sync. Both versions are kept:
// ours stays in the list and goes to the server as an event of its own, theirs is added
// to the list and stays tied to its event. One place, so that a finer merge can take it over.
void KeepBothVersions(AppointmentList& appointments, size_t ours, const Appointment& theirs);
