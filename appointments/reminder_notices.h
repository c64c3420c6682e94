#pragma once
// The desktop notification that goes with each reminder, when the desktop has a
// notification service: one per appointment, replaced by the next reminder of it.
#include "shell/state/appointment.h"

// Summary "Termin" with the day and time, the text as body; a day reminder is of
// normal urgency, an hour reminder critical.
void NotifyReminder(const Appointment& record);
// Withdraws the appointment's notification, if one is shown.
void WithdrawReminderNotice(const Appointment& record);
