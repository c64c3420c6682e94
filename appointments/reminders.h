#pragma once
#include "platform/types.h"

// Announcing due appointments. The main loop runs the checks only while the program is
// not busy; what falls due meanwhile is skipped.

// Once per new day (and at the first pass): the first record of the day of `now` with a
// day reminder is announced, above all other windows.
void RunDayCheck(const platform::LocalTime& now);
// Once per new minute: the first record of today whose hour reminder is due at the
// minute of `now` is announced. In the hour 23 only records of today at 00:mm count.
void RunMinuteCheck(const platform::LocalTime& now);
// After a resume or a jump of the clock: the hour reminders that fell due in the
// `minutes` minutes before `now` are given once, late. Each gets its notification;
// the appointment window shows the one that fell due last.
void RunMissedMinuteChecks(const platform::LocalTime& now, int minutes);
// Opens the appointment window in its reminder form for the record at `index`: sound,
// title "Termine heute: " and the day, the record in the editor, the day's list.
void ShowReminder(const platform::LocalTime& now, int index, bool stayOnTop);
