#pragma once
// The "Sound" menu: reminder sound on or off and the chime choices, each checked when
// the settings hold it.
#include "shell/state/command_entry.h"

extern const CommandTable kSoundCommands;
