#include "shell/view_commands.h"

#include "platform/menus.h"
#include "shell/app_state.h"
#include "shell/identifiers.h"
#include "shell/settings_store.h"
#include "shell/views.h"

namespace {

constexpr int kIntervalOfItem[] = {1, 3, 5, 10, 15, 100};  // items 7-12

void CheckOnlyInterval(int chosen) {
  for (int item = kCmdInterval1; item <= kCmdIntervalPermanent; ++item)
    platform::SetMenuItemChecked(kMainMenu, item, item == chosen);
}

}  // namespace

void ChooseViewAutomatic() {
  platform::SetMenuItemChecked(kMainMenu, kCmdViewAutomatic, true);
  platform::SetMenuItemChecked(kMainMenu, kCmdViewSmallPermanent, false);
  for (int item = kCmdInterval1; item <= kCmdIntervalPermanent; ++item)
    platform::SetMenuItemEnabled(kMainMenu, item, true);
  if (App().settings.viewInterval == 0) {
    CheckOnlyInterval(kCmdIntervalPermanent);
    App().settings.viewInterval = 100;
  }
  SaveSettings();
}

void ChooseSmallViewPermanent() {
  platform::SetMenuItemChecked(kMainMenu, kCmdViewAutomatic, false);
  platform::SetMenuItemChecked(kMainMenu, kCmdViewSmallPermanent, true);
  for (int item = kCmdInterval1; item <= kCmdIntervalPermanent; ++item) {
    platform::SetMenuItemChecked(kMainMenu, item, false);
    platform::SetMenuItemEnabled(kMainMenu, item, false);
  }
  ToSmall();
  App().settings.viewInterval = 0;
  SaveSettings();
}

void ChooseViewInterval(int item) {
  if (item < kCmdInterval1 || item > kCmdIntervalPermanent) return;
  CheckOnlyInterval(item);
  App().settings.viewInterval = static_cast<int8_t>(kIntervalOfItem[item - kCmdInterval1]);
  SaveSettings();
  App().lastAppliedInterval = -1;
}

void ChooseSmallWindow() { ToSmall(); }

void ChooseHide() { ToTray(); }

void ChooseOpenMainWindow() { ToMain(); }

void ToggleAlwaysOnTop() {
  const bool tray = IsTrayMode();
  const bool onTop = !IsSmallWindowOnTopPart();
  App().settings.smallWindowMode = static_cast<int8_t>((tray ? 10 : 0) + (onTop ? 1 : 0));
  SetSmallWindowOnTop(onTop);
  platform::SetMenuItemChecked(kSmallMenu, kCmdAlwaysOnTop, onTop);
  SaveSettings();
}

void ToggleTrayMode() {
  if (!IsTrayMode()) {
    App().settings.smallWindowMode = static_cast<int8_t>(App().settings.smallWindowMode + 10);
    platform::SetMenuItemChecked(kSmallMenu, kCmdToTray, true);
    ToTray();
  } else {
    App().settings.smallWindowMode = static_cast<int8_t>(App().settings.smallWindowMode - 10);
    platform::SetMenuItemChecked(kSmallMenu, kCmdToTray, false);
  }
  SaveSettings();
}
