#include "organs/organ_texts.h"

#include <string>

#include "organs/organ_table.h"
#include "organs/organ_text_file.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/whole_file.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"

namespace {

bool IsOrgan(int organ) { return organ >= 1 && organ <= kOrganCount; }

void ShowError(const std::string& text) {
  platform::ShowMessageBox("Fehler!", text, platform::MessageIcon::Error);
}

// Loads `fileName` into the field, or reports `missingText`.
void LoadIntoField(const std::string& fileName, const std::string& missingText) {
  std::string bytes;
  if (!platform::ReadWholeFile(fileName, bytes)) {
    ShowError(missingText);
    return;
  }
  platform::SetControlText(kCtlOrganText, ShownOrganText(OrganTextFromFileBytes(bytes)));
}

}  // namespace

std::string OrganFieldText() { return OrganTextFromShown(platform::ControlText(kCtlOrganText)); }

void LoadOrganText() {
  const int organ = App().shownOrgan;
  if (!IsOrgan(organ)) return;  // before the first organ is chosen there is no file
  const std::string name = OrganTextFileName(organ, true);
  LoadIntoField(name, "Organtext " + name + " nicht gefunden!");
}

void LoadOrganBackup() {
  const int organ = App().shownOrgan;
  if (!IsOrgan(organ)) return;
  const std::string name = OrganBackupFileName(organ, true);
  LoadIntoField(name, "Wiederherstellungsdatei " + name + " nicht gefunden!");
}

bool WriteOrganText() {
  const int organ = App().shownOrgan;
  if (!IsOrgan(organ)) return false;
  // Not "empty the file, then write": a write that fails half way (disk full) would
  // leave the organ without its text. WriteWholeFile writes a temporary file and only
  // then puts it in place of the old one.
  const std::string bytes = OrganTextFileBytes(OrganFieldText());
  if (platform::WriteWholeFile(OrganTextFileName(organ), bytes)) return true;
  ShowError("Text konnte nicht gespeichert werden!");
  return false;
}

void RestoreMissingOrganTexts() {
  for (int organ = 1; organ <= kOrganCount; ++organ) {
    const std::string name = OrganTextFileName(organ);
    // Only a file that is not there is created. One that exists but cannot be read
    // right now is the user's text and is not replaced by the backup.
    if (platform::FileExists(name)) continue;
    if (!platform::CopyWholeFile(OrganBackupFileName(organ), name))
      ShowError("Organtext " + name + " konnte nicht erstellt werden!");
  }
}
