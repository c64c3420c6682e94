#pragma once
// The three-way merge of appointment lists: what organclock last read or wrote (base),
// what it holds now (mine) and what the file holds now (theirs). Pure: no state, no
// files, no windows, so a sync of any kind can call it.
#include "shell/state/appointment.h"

// A record is known by all its fields (day, time, reminder kind, text); a change of a
// record is its old version gone and its new version added. For each record the
// result holds:
// - as many copies as theirs when mine has as many as base (only theirs changed it),
// - as many copies as mine when theirs has as many as base (only mine changed it),
// - otherwise, where both sides changed how often it occurs, the larger of the two
//   counts: an addition made on both sides is kept once, and a record added on one
//   side is never lost to a deletion on the other.
// So an addition on either side is kept, a deletion on either side of an unchanged
// record takes effect, and where both sides changed the same record both new versions
// are kept.
// Order: mine's records in mine's order, then theirs' additions in theirs' order.
AppointmentList MergeAppointments(const AppointmentList& base, const AppointmentList& mine,
                                  const AppointmentList& theirs);
