#include "sound/sound_commands.h"

#include "platform/menus.h"
#include "shell/app_state.h"
#include "shell/identifiers.h"
#include "shell/settings_store.h"
#include "sound/chime.h"
#include "sound/chime_file_dialog.h"

namespace {

// The chime items are exclusive only because each command sets all four.
void CheckOnlyChimeItem(int chosen) {
  for (const int item : {kCmdChimeGong, kCmdChimeVesk, kCmdChimeMp3, kCmdChimeOff})
    platform::SetMenuItemChecked(kMainMenu, item, item == chosen);
}

}  // namespace

void ToggleReminderSound() {
  const bool on = App().settings.reminderSound == 1;
  platform::SetMenuItemChecked(kMainMenu, kCmdReminderSound, !on);
  App().settings.reminderSound = on ? 0 : 1;
  SaveSettings();
}

void ChooseChimeGong() {
  CheckOnlyChimeItem(kCmdChimeGong);
  App().settings.chimeChoice = 1;
  SaveSettings();
  LoadChime();
  PlayChime();
}

void ChooseChimeFileCommand() {
  const std::string path = ChooseChimeFile();
  if (path.empty()) return;
  CheckOnlyChimeItem(kCmdChimeMp3);
  App().settings.chimeFile = path;
  App().settings.chimeChoice = 3;
  SaveSettings();
  LoadChime();
  PlayChime();
}

void ChooseChimeOff() {
  CheckOnlyChimeItem(kCmdChimeOff);
  App().settings.chimeChoice = 0;
  SaveSettings();
  LoadChime();
}
