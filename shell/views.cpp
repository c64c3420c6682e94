#include "shell/views.h"

#include "commands/menu_states.h"
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
  if (platform::IsTrayAvailable()) {
    platform::HideWindow(kSmallWindow);
    return;
  }
  // Without a system tray the icon cannot be seen; the minimised small window stays
  // in the task bar as the way back, until a tray appears. It is minimised where it
  // stands: hidden and at once shown again, a window manager may show it normally.
  platform::ShowWindowMinimised(kSmallWindow);
  App().smallStandsInForTray = true;
}

void ToSmall() {
  platform::HideWindow(kMainWindow);
  platform::ShowWindow(kSmallWindow);
  App().smallStandsInForTray = false;
}

void ToMain() {
  platform::ShowWindow(kMainWindow);
  platform::HideWindow(kSmallWindow);
  App().smallStandsInForTray = false;
}

void OnTrayAppeared() {
  // The icon is in the tray now; the small window's stand-in is no longer needed.
  if (!App().smallStandsInForTray || !platform::TrayIconExists(kTrayIcon)) return;
  App().smallStandsInForTray = false;
  platform::HideWindow(kSmallWindow);
}

void HourlyPopUp() {
  RemoveTrayIconIfPresent();
  ToMain();
  platform::BringWindowToFront(kMainWindow);
  App().lastAppliedInterval.reset();
  ViewChanged();
}

void RunViewSteps(const platform::LocalTime& now) {
  AppState& app = App();
  const ViewInterval interval = app.settings.viewInterval;
  if (app.lastAppliedInterval == interval) return;
  if (interval.IsSmallOnly() || interval.GivesWayAt(now.minute)) {
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
  if (App().settings.viewInterval.ComesUpHourly()) platform::ShowWindow(kMainWindow);
  // The first pass sends a permanent small view in tray mode to the tray; going there at
  // once spares the small window a normal show just before it is minimised or hidden.
  else if (IsTrayMode()) ToTray();
  else platform::ShowWindow(kSmallWindow);
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
