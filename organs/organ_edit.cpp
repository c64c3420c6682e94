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

}  // namespace

bool IsEditingOrganText() { return App().editedOrgan != 0; }

void BeginOrganEdit(int organ) {
  if (!IsOrgan(organ)) return;
  platform::EnableControl(kCtlOrganText, true);
  platform::SetControlReadOnly(kCtlOrganText, false);
  platform::SetControlColours(kCtlOrganText, kEditingBackground, kTextColour);
  App().editedOrgan = organ;
  App().shownOrgan = organ;
  ShowOrgan();
}

void SaveOrganText() { LeaveOrganEdit(true); }

void CancelOrganEdit() { LeaveOrganEdit(false); }

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
