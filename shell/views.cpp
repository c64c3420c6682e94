#include "shell/views.h"

#include "commands/menu_states.h"
#include "platform/clock.h"
#include "platform/tray.h"
#include "platform/windows.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "shell/state/settings_store.h"

namespace {

void ToTrayOrSmall() {
  if (IsTrayMode()) ToTray();
  else ToSmall();
}

// No menu state depends on which window shows; deriving them after each view change
// anyway keeps a later one from being left behind.
void ViewChanged() { UpdateMenuStates(); }

}  // namespace

bool IsTrayMode() { return App().settings.trayMode; }

bool IsSmallWindowOnTopChosen() { return App().settings.smallOnTop; }

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
  App().lastAppliedInterval.reset();
  ViewChanged();
}

void RunViewSteps() {
  AppState& app = App();
  const ViewInterval interval = app.settings.viewInterval;
  if (app.lastAppliedInterval == interval) return;
  if (interval.IsSmallOnly() || interval.GivesWayAt(platform::Now().minute)) {
    app.lastAppliedInterval = interval;
    ToTrayOrSmall();
    ViewChanged();
  }
}

void ApplySavedSmallWindowMode() {
  if (IsTrayMode()) AddTrayIconIfMissing();
  SetSmallWindowOnTop(IsSmallWindowOnTopChosen());
}

void ApplySavedViewInterval() {
  platform::ShowWindow(App().settings.viewInterval.ComesUpHourly() ? kMainWindow : kSmallWindow);
}

void OnMainWindowClose() {
  ToTray();
  ViewChanged();
}

void OnSmallWindowClose() {
  ToTray();
  SaveSettings();
  ViewChanged();
}

void OnTrayIconClicked() {
  RemoveTrayIconIfPresent();
  platform::ShowWindow(kMainWindow);
  ViewChanged();
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
  ViewChanged();
}
