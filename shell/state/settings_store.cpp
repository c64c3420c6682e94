#include "shell/state/settings_store.h"

#include "platform/dialogs.h"
#include "platform/whole_file.h"
#include "shell/state/app_state.h"

bool ReadSettings() {
  std::string bytes;
  if (!platform::ReadWholeFile(kSettingsFileName, bytes)) return false;
  App().settings = DecodeSettings(bytes);
  return true;
}

void SaveSettings() {
  if (!platform::WriteWholeFile(kSettingsFileName, EncodeSettings(App().settings)))
    platform::ShowMessageBox("Fehler!", "Konfiguration konnte nicht gespeichert werden!",
                             platform::MessageIcon::Error);
}
