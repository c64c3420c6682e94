#include "organs/organ_edit.h"

#include "organs/current_organ.h"
#include "organs/organ_table.h"
#include "organs/organ_texts.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"

namespace {

constexpr platform::Rgb kEditingBackground{255, 255, 0};
constexpr platform::Rgb kNormalBackground{255, 255, 255};
constexpr platform::Rgb kTextColour{0, 0, 0};  // on both backgrounds

// The common end of "Speichern", "Abbrechen" and "Wiederherstellen". With `write` the
// field is written first; if that fails its message has been shown and the edit mode
// stays on with the text in the field, to be saved again or dropped.
void LeaveOrganEdit(bool write) {
  if (!IsEditingOrganText()) return;
  if (write && !WriteOrganText()) return;
  platform::SetControlColours(kCtlOrganText, kNormalBackground, kTextColour);
  platform::SetControlReadOnly(kCtlOrganText, true);
  App().editedOrgan = 0;
  UpdateCurrentOrgan(platform::Now().hour);
}

// "Ändern" > organ `organ` (1-12): enters the edit mode for it, or switches to it,
// dropping unsaved changes of the organ edited before.
void BeginOrganEdit(int organ) {
  if (!IsOrgan(organ)) return;
  platform::EnableControl(kCtlOrganText, true);
  platform::SetControlReadOnly(kCtlOrganText, false);
  platform::SetControlColours(kCtlOrganText, kEditingBackground, kTextColour);
  App().editedOrgan = organ;
  App().shownOrgan = organ;
  ShowOrgan();
}

// "Speichern": writes the field to the organ's file and leaves the edit mode. When the
// write fails the edit mode stays on, so the typed text is not lost.
void SaveOrganText() { LeaveOrganEdit(true); }

// "Abbrechen": leaves the edit mode; the changes are lost.
void CancelOrganEdit() { LeaveOrganEdit(false); }

// "Wiederherstellen": asks first. Yes writes the delivered backup as the organ's text
// and leaves; No leaves like "Abbrechen"; Cancel keeps editing.
void RestoreOrganText() {
  if (!IsEditingOrganText()) return;
  const platform::MessageAnswer answer = platform::ShowMessageBox(
      "Frage?", platform::Cp1252("Originaltext wiederherstellen?\nVorheriger Text wird überschrieben!!!"),
      platform::MessageIcon::Question, platform::MessageButtons::YesNoCancel);
  if (answer == platform::MessageAnswer::Yes) {
    // A missing backup has been reported; the user's text in the field is written then.
    LoadOrganBackup();
    LeaveOrganEdit(true);
  } else if (answer == platform::MessageAnswer::No) {
    LeaveOrganEdit(false);
  }
  // Cancel, or closing the box: go on editing.
}

bool IsEditedOrgan(const AppState& app, int command) {
  return app.editedOrgan == command - kCmdFirstOrganEdit + 1;
}
bool IsEditing(const AppState& app, int) { return app.editedOrgan != 0; }

// The organ items' access keys are unique in their menu: the first letter where it is
// free, otherwise a later one, never an umlaut.
constexpr CommandEntry kEntries[] = {
    {kCmdFirstOrganEdit, "&Lunge", [] { BeginOrganEdit(1); }, IsEditedOrgan},
    {kCmdFirstOrganEdit + 1, "&Dickdarm", [] { BeginOrganEdit(2); }, IsEditedOrgan},
    {kCmdFirstOrganEdit + 2, "&Magen", [] { BeginOrganEdit(3); }, IsEditedOrgan},
    {kCmdFirstOrganEdit + 3, "&Pankreas", [] { BeginOrganEdit(4); }, IsEditedOrgan},
    {kCmdFirstOrganEdit + 4, "&Herz", [] { BeginOrganEdit(5); }, IsEditedOrgan},
    {kCmdFirstOrganEdit + 5, "Dünnd&arm", [] { BeginOrganEdit(6); }, IsEditedOrgan},
    {kCmdFirstOrganEdit + 6, "&Blase", [] { BeginOrganEdit(7); }, IsEditedOrgan},
    {kCmdFirstOrganEdit + 7, "&Nieren", [] { BeginOrganEdit(8); }, IsEditedOrgan},
    {kCmdFirstOrganEdit + 8, "Pericard &Kreislauf", [] { BeginOrganEdit(9); }, IsEditedOrgan},
    {kCmdFirstOrganEdit + 9, "Drei &Erwärmer", [] { BeginOrganEdit(10); }, IsEditedOrgan},
    {kCmdFirstOrganEdit + 10, "&Gallenblase", [] { BeginOrganEdit(11); }, IsEditedOrgan},
    {kCmdLastOrganEdit, "Lebe&r", [] { BeginOrganEdit(12); }, IsEditedOrgan},
    {kCmdSaveOrganText, "&Speichern", SaveOrganText, nullptr, IsEditing},
    {kCmdCancelOrganText, "&Abbrechen", CancelOrganEdit, nullptr, IsEditing},
    {kCmdRestoreOrganText, "&Wiederherstellen", RestoreOrganText, nullptr, IsEditing},
};

}  // namespace

const CommandTable kOrganTextCommands = kEntries;

bool IsEditingOrganText() { return App().editedOrgan != 0; }
