#include "commands/settings_change.h"

#include "commands/menu_states.h"
#include "shell/state/app_state.h"
#include "shell/state/settings_store.h"

void ChangeSettings(const std::function<void(Settings&)>& change) {
  change(App().settings);
  SaveSettings();
  UpdateMenuStates();
}
