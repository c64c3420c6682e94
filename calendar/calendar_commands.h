#pragma once
// The calendar's items of the menu "Termin": importing, exporting, connecting, syncing.
#include "shell/state/command_entry.h"

extern const CommandTable kCalendarCommands;
