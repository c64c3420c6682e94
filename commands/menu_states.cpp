#include "commands/menu_states.h"

#include "organs/organ_table.h"
#include "platform/menus.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "shell/state/view_interval_items.h"

namespace {

void Check(int menu, int item, bool checked) { platform::SetMenuItemChecked(menu, item, checked); }
void Enable(int item, bool enabled) { platform::SetMenuItemEnabled(kMainMenu, item, enabled); }

// "Miniaturansicht" and "Erweiterte Ansicht": with the small window permanently the
// minute intervals are greyed and none is checked.
void ViewItems(const Settings& s) {
  const bool automatic = s.viewInterval.ComesUpHourly();
  Check(kMainMenu, kCmdViewAutomatic, automatic);
  Check(kMainMenu, kCmdViewSmallPermanent, !automatic);
  for (int item = kCmdInterval1; item <= kCmdIntervalPermanent; ++item) {
    Check(kMainMenu, item, IntervalOfItem(item) == s.viewInterval);
    Enable(item, automatic);
  }
}

// "Sound": exactly the chosen chime is checked (none for a stored value without a
// name); there is no sound file for "Dr. Vesk", so it is never usable.
void SoundItems(const Settings& s) {
  Check(kMainMenu, kCmdChimeGong, s.chimeChoice == ChimeChoice::Gong);
  Check(kMainMenu, kCmdChimeVesk, s.chimeChoice == ChimeChoice::DrVesk);
  Check(kMainMenu, kCmdChimeMp3, s.chimeChoice == ChimeChoice::UserFile);
  Check(kMainMenu, kCmdChimeOff, s.chimeChoice == ChimeChoice::Off);
  Enable(kCmdChimeVesk, false);
  Check(kMainMenu, kCmdReminderSound, s.reminderSound == 1);
}

// "Text zu Organe": the edited organ is checked, and saving, cancelling and restoring
// are usable only while an organ text is being edited.
void OrganTextItems(int editedOrgan) {
  for (int organ = 1; organ <= kOrganCount; ++organ)
    Check(kMainMenu, kCmdFirstOrganEdit + organ - 1, organ == editedOrgan);
  for (const int item : {kCmdSaveOrganText, kCmdCancelOrganText, kCmdRestoreOrganText})
    Enable(item, editedOrgan != 0);
}

}  // namespace

void UpdateMenuStates() {
  const AppState& app = App();
  Enable(kCmdOpenAppointments, true);
  ViewItems(app.settings);
  SoundItems(app.settings);
  OrganTextItems(app.editedOrgan);
  Check(kSmallMenu, kCmdAlwaysOnTop, app.settings.smallOnTop);
  Check(kSmallMenu, kCmdToTray, app.settings.trayMode);
}
