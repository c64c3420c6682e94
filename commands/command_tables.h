#pragma once
// The command tables of all Parts, searched by identifier.
#include <array>

#include "shell/state/command_entry.h"

// The shell sits above every Part, so start-up hands its table in here rather than the
// commands reaching up into it. Until then its commands are unknown.
void SetShellCommands(CommandTable commands);

// Every table, the shell's last.
std::array<CommandTable, 6> CommandTables();
// The entry of `command`, or nullptr for an identifier that no table holds.
const CommandEntry* FindCommand(int command);
