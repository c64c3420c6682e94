#pragma once
// The shell's commands in both menu bars: the views and the end of the program. Their
// check marks and greyed items follow from the settings.
#include "shell/state/command_entry.h"

extern const CommandTable kShellCommands;
