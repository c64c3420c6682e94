#include "sound/sound_commands.h"

#include "shell/state/app_state.h"
#include "shell/state/settings_store.h"
#include "sound/chime.h"
#include "sound/chime_file_dialog.h"

void ToggleReminderSound() {
  const bool on = App().settings.reminderSound == 1;
  App().settings.reminderSound = on ? 0 : 1;
  SaveSettings();
}

void ChooseChimeGong() {
  App().settings.chimeChoice = ChimeChoice::Gong;
  SaveSettings();
  LoadChime();
  PlayChime();
}

void ChooseChimeFileCommand() {
  const std::string path = ChooseChimeFile();
  if (path.empty()) return;
  App().settings.chimeFile = path;
  App().settings.chimeChoice = ChimeChoice::UserFile;
  SaveSettings();
  LoadChime();
  PlayChime();
}

void ChooseChimeOff() {
  App().settings.chimeChoice = ChimeChoice::Off;
  SaveSettings();
  LoadChime();
}
