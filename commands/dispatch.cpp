#include "commands/dispatch.h"

#include "commands/command_tables.h"
#include "commands/menu_states.h"

void DispatchCommand(int command) {
  if (const CommandEntry* entry = FindCommand(command); entry && entry->run) entry->run();
  UpdateMenuStates();
}
