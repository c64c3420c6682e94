#include "commands/command_tables.h"

#include "appointments/appointment_editor.h"
#include "calendar/calendar_commands.h"
#include "commands/about.h"
#include "organs/organ_edit.h"
#include "sound/sound_commands.h"

namespace {
CommandTable g_shellCommands;
}  // namespace

void SetShellCommands(CommandTable commands) { g_shellCommands = commands; }

std::array<CommandTable, 6> CommandTables() {
  return {kAppointmentCommands, kCalendarCommands, kSoundCommands,
          kOrganTextCommands,   kAboutCommands,    g_shellCommands};
}

const CommandEntry* FindCommand(int command) {
  for (const CommandTable& table : CommandTables())
    for (const CommandEntry& entry : table)
      if (entry.command == command) return &entry;
  return nullptr;
}
