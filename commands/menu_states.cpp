#include "commands/menu_states.h"

#include "commands/command_tables.h"
#include "commands/menus.h"
#include "platform/menus.h"
#include "shell/state/app_state.h"

namespace {

// Items without a rule are left alone: an item that never carries a check mark is not
// made checkable.
void ApplyRules(const AppState& app, int menu, int command) {
  const CommandEntry* entry = FindCommand(command);
  if (!entry) return;
  if (entry->checked) platform::SetMenuItemChecked(menu, command, entry->checked(app, command));
  if (entry->enabled) platform::SetMenuItemEnabled(menu, command, entry->enabled(app, command));
}

}  // namespace

void UpdateMenuStates() {
  const AppState& app = App();
  for (const MenuBarLayout* layout : {&kMainMenuLayout, &kSmallMenuLayout})
    for (const MenuLine& line : layout->lines)
      if (line.kind == MenuLine::Kind::Items)
        for (int command = line.first; command <= line.last; ++command)
          ApplyRules(app, layout->menu, command);
}
