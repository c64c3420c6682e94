#include "shell/state/settings_store.h"

#include "platform/dialogs.h"
#include "shell/state/app_state.h"
#include "shell/state/settings_merge.h"

namespace {

void (*g_mergedHandler)(const Settings& before) = nullptr;

void ShowSaveError() {
  platform::ShowMessageBox("Fehler!", "Konfiguration konnte nicht gespeichert werden!",
                           platform::MessageIcon::Error);
}

// False when the file can no longer be read and so must not be written.
bool MergeChangeOnDisk() {
  KeptFile& file = App().settingsFile;
  DiskVersion theirs;
  if (!KeptFileChangedOnDisk(kSettingsFileName, file, theirs)) return true;
  if (theirs.result == platform::ReadResult::Unreadable) return false;
  const Settings before = App().settings;
  App().settings = MergeSettings(DecodeSettings(file.base), before, DecodeSettings(theirs.bytes));
  TakeAsBase(file, theirs);
  if (g_mergedHandler && EncodeSettings(App().settings) != EncodeSettings(before)) g_mergedHandler(before);
  return true;
}

}  // namespace

platform::ReadResult ReadSettings() {
  std::string bytes;
  const platform::ReadResult result = ReadKeptFile(kSettingsFileName, App().settingsFile, bytes);
  if (result == platform::ReadResult::Read) App().settings = DecodeSettings(bytes);
  return result;
}

void SaveSettings() {
  KeptFile& file = App().settingsFile;
  if (file.state == KeptFile::State::Unreadable) {
    // The run began with the defaults. The small window's position, stored at every
    // quit, is no choice of the user's to be told about.
    Settings chosen = App().settings;
    chosen.smallWindowX = DefaultSettings().smallWindowX;
    chosen.smallWindowY = DefaultSettings().smallWindowY;
    if (EncodeSettings(chosen) != EncodeSettings(DefaultSettings()) && TakeRefusalNotice(file))
      ShowSaveError();
    return;
  }
  if (!MergeChangeOnDisk()) {
    ShowSaveError();
    return;
  }
  const std::string bytes = EncodeSettings(App().settings);
  if (file.state == KeptFile::State::Read && bytes == file.base) return;
  if (!WriteKeptFile(kSettingsFileName, file, bytes)) ShowSaveError();
}

void MergeSettingsFileChange() { MergeChangeOnDisk(); }

void SetSettingsMergedHandler(void (*handler)(const Settings& before)) { g_mergedHandler = handler; }
