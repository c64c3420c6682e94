#include "organs/organ_texts.h"

#include <string>

#include "organs/organ_table.h"
#include "organs/organ_text_file.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/whole_file.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"

namespace {

void ShowError(const std::string& text) {
  platform::ShowMessageBox("Fehler!", text, platform::MessageIcon::Error);
}

void ShowInField(const std::string& bytes) {
  platform::SetControlText(kCtlOrganText, ShownOrganText(OrganTextFromFileBytes(bytes)));
}

KeptFile& KeptOrganFile(int organ) { return App().organFiles[organ - 1]; }

}  // namespace

std::string OrganFieldText() { return OrganTextFromShown(platform::ControlText(kCtlOrganText)); }

void LoadOrganText() {
  const int organ = App().shownOrgan;
  if (!IsOrgan(organ)) return;  // before the first organ is chosen there is no file
  const std::string name = OrganTextFileName(organ, true);
  std::string bytes;
  if (ReadKeptFile(name, KeptOrganFile(organ), bytes) != platform::ReadResult::Read) {
    ShowError("Organtext " + name + " nicht gefunden!");
    return;
  }
  ShowInField(bytes);
}

void LoadOrganBackup() {
  const int organ = App().shownOrgan;
  if (!IsOrgan(organ)) return;
  const std::string name = OrganBackupFileName(organ, true);
  std::string bytes;
  if (!platform::ReadWholeFile(name, bytes)) {
    ShowError("Wiederherstellungsdatei " + name + " nicht gefunden!");
    return;
  }
  ShowInField(bytes);
}

bool WriteOrganText() {
  const int organ = App().shownOrgan;
  if (!IsOrgan(organ)) return false;
  const std::string name = OrganTextFileName(organ);
  KeptFile& file = KeptOrganFile(organ);
  // A text that could not be read is never replaced by this run; neither is one that
  // has become unreadable since.
  DiskVersion theirs;
  const bool changedOnDisk = KeptFileChangedOnDisk(name, file, theirs);
  if (file.state == KeptFile::State::Unreadable ||
      (changedOnDisk && theirs.result == platform::ReadResult::Unreadable)) {
    ShowError("Text konnte nicht gespeichert werden!");
    return false;
  }
  // Changed elsewhere while the user edited it: their text goes beside ours first, so
  // that neither is lost whatever fails next.
  const bool keepTheirs = changedOnDisk && theirs.result == platform::ReadResult::Read;
  const std::string conflictName = OrganConflictFileName(organ);
  if (keepTheirs && !platform::WriteWholeFile(conflictName, theirs.bytes)) {
    ShowError("Text konnte nicht gespeichert werden!");
    return false;
  }
  // Not "empty the file, then write": a write that fails half way (disk full) would
  // leave the organ without its text. The new content is written to a temporary file
  // and only then put in place of the old one.
  if (!WriteKeptFile(name, file, OrganTextFileBytes(OrganFieldText()))) {
    ShowError("Text konnte nicht gespeichert werden!");
    return false;
  }
  if (keepTheirs)
    platform::ShowMessageBox("Hinweis",
                             platform::Cp1252("Der Organtext " + name +
                                              " wurde inzwischen von anderer Seite geändert; jener Text "
                                              "ist als " +
                                              conflictName + " gespeichert."),
                             platform::MessageIcon::Information);
  return true;
}

bool ReloadOrganTextIfChanged() {
  const int organ = App().shownOrgan;
  if (!IsOrgan(organ) || App().editedOrgan == organ) return false;
  KeptFile& file = KeptOrganFile(organ);
  DiskVersion theirs;
  if (!KeptFileChangedOnDisk(OrganTextFileName(organ), file, theirs) ||
      theirs.result != platform::ReadResult::Read)
    return false;
  TakeAsBase(file, theirs);
  ShowInField(theirs.bytes);
  return true;
}

void RestoreMissingOrganTexts() {
  for (int organ = 1; organ <= kOrganCount; ++organ) {
    const std::string name = OrganTextFileName(organ);
    // Only a file that is not there is created. One that exists but cannot be read
    // right now is the user's text and is not replaced by the backup; something else
    // in its place (a directory, a FIFO) is left alone and reported.
    if (platform::FileExists(name)) continue;
    std::string bytes;
    if (platform::ReadFile(name, bytes) != platform::ReadResult::Missing ||
        !platform::CopyWholeFile(OrganBackupFileName(organ), name))
      ShowError("Organtext " + name + " konnte nicht erstellt werden!");
  }
}
