#pragma once
// The "?" menu: the Info box and the maker's web pages.
#include "shell/state/command_entry.h"

extern const CommandTable kAboutCommands;
