#include "shell/views.h"

#include "platform/clock.h"
#include "platform/menus.h"
#include "platform/tray.h"
#include "platform/windows.h"
#include "shell/app_state.h"
#include "shell/identifiers.h"
#include "shell/settings_store.h"

namespace {

int IntervalItem(int interval) {
  switch (interval) {
    case 1: return kCmdInterval1;
    case 3: return kCmdInterval3;
    case 5: return kCmdInterval5;
    case 10: return kCmdInterval10;
    case 15: return kCmdInterval15;
    case 100: return kCmdIntervalPermanent;
    default: return -1;
  }
}

void ToTrayOrSmall() {
  if (IsTrayMode()) ToTray();
  else ToSmall();
}

}  // namespace

bool IsTrayMode() { return App().settings.smallWindowMode >= 10; }

bool IsSmallWindowOnTopPart() {
  const int mode = App().settings.smallWindowMode;
  return (IsTrayMode() ? mode - 10 : mode) != 0;
}

void AddTrayIconIfMissing() {
  if (!platform::TrayIconExists(kTrayIcon))
    platform::AddTrayIcon(kTrayIcon, kSmallWindow, kPictureProgramIcon, App().tooltipText);
}

void RemoveTrayIconIfPresent() { platform::RemoveTrayIcon(kTrayIcon); }

void SetSmallWindowOnTop(bool onTop) { platform::SetWindowOnTop(kSmallWindow, onTop); }

void ToTray() {
  AddTrayIconIfMissing();
  platform::HideWindow(kMainWindow);
  platform::HideWindow(kSmallWindow);
  // Without a system tray the icon cannot be seen; the minimised small window stays
  // in the task bar as the way back.
  if (!platform::IsTrayAvailable()) platform::ShowWindowMinimised(kSmallWindow);
}

void ToSmall() {
  platform::HideWindow(kMainWindow);
  platform::ShowWindow(kSmallWindow);
}

void ToMain() {
  platform::ShowWindow(kMainWindow);
  platform::HideWindow(kSmallWindow);
}

void HourlyPopUp() {
  RemoveTrayIconIfPresent();
  ToMain();
  platform::BringWindowToFront(kMainWindow);
  App().lastAppliedInterval = -1;
}

void RunViewSteps() {
  AppState& app = App();
  const int interval = app.settings.viewInterval;
  if (interval == 0 && app.lastAppliedInterval != 0) {
    app.lastAppliedInterval = 0;
    ToTrayOrSmall();
  }
  if (interval >= 1 && platform::Now().minute >= interval && app.lastAppliedInterval != interval) {
    app.lastAppliedInterval = interval;
    ToTrayOrSmall();
  }
}

void ApplySavedSmallWindowMode() {
  if (IsTrayMode()) {
    AddTrayIconIfMissing();
    SetSmallWindowOnTop(IsSmallWindowOnTopPart());
    platform::SetMenuItemChecked(kSmallMenu, kCmdAlwaysOnTop, IsSmallWindowOnTopPart());
    platform::SetMenuItemChecked(kSmallMenu, kCmdToTray, true);
  } else {
    SetSmallWindowOnTop(App().settings.smallWindowMode != 0);
    platform::SetMenuItemChecked(kSmallMenu, kCmdAlwaysOnTop, App().settings.smallWindowMode != 0);
    platform::SetMenuItemChecked(kSmallMenu, kCmdToTray, false);
  }
}

void ApplySavedViewInterval() {
  const int interval = App().settings.viewInterval;
  if (interval >= 1) {
    platform::SetMenuItemChecked(kMainMenu, kCmdViewAutomatic, true);
    for (int item = kCmdInterval1; item <= kCmdIntervalPermanent; ++item)
      platform::SetMenuItemChecked(kMainMenu, item, item == IntervalItem(interval));
    platform::ShowWindow(kMainWindow);
  } else {
    platform::SetMenuItemChecked(kMainMenu, kCmdViewSmallPermanent, true);
    for (int item = kCmdInterval1; item <= kCmdIntervalPermanent; ++item)
      platform::SetMenuItemEnabled(kMainMenu, item, false);
    platform::ShowWindow(kSmallWindow);
  }
}

void OnMainWindowClose() { ToTray(); }

void OnSmallWindowClose() {
  ToTray();
  SaveSettings();
}

void OnTrayIconClicked() {
  RemoveTrayIconIfPresent();
  platform::ShowWindow(kMainWindow);
}

void OnWindowMoved() {
  int x = 0, y = 0;
  if (platform::WindowOuterPosition(kSmallWindow, x, y)) {
    App().settings.smallWindowX = x;
    App().settings.smallWindowY = y;
  }
}

void OnRaiseRequest() {
  RemoveTrayIconIfPresent();
  platform::ShowWindow(kMainWindow);
  platform::BringWindowToFront(kMainWindow);
}
