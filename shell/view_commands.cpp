#include "shell/view_commands.h"

#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "shell/state/settings_store.h"
#include "shell/state/view_interval_items.h"
#include "shell/views.h"

void ChooseViewAutomatic() {
  // Whatever does not bring the main window up hourly becomes "Dauernd" of the
  // extended view; a chosen number of minutes stays.
  if (!App().settings.viewInterval.ComesUpHourly()) App().settings.viewInterval = ViewInterval::MainOnly();
  SaveSettings();
}

void ChooseSmallViewPermanent() {
  ToSmall();
  App().settings.viewInterval = ViewInterval::SmallOnly();
  SaveSettings();
}

void ChooseViewInterval(int item) {
  const std::optional<ViewInterval> interval = IntervalOfItem(item);
  if (!interval) return;
  App().settings.viewInterval = *interval;
  SaveSettings();
  App().lastAppliedInterval.reset();
}

void ChooseSmallWindow() { ToSmall(); }

void ChooseHide() { ToTray(); }

void ChooseOpenMainWindow() { ToMain(); }

void ToggleAlwaysOnTop() {
  SetSmallOnTop(App().settings, !App().settings.smallOnTop);
  SetSmallWindowOnTop(App().settings.smallOnTop);
  SaveSettings();
}

void ToggleTrayMode() {
  App().settings.trayMode = !App().settings.trayMode;
  // Switching tray mode off leaves the windows as they are.
  if (App().settings.trayMode) ToTray();
  SaveSettings();
}

void HandleShellCommand(int command) {
  switch (command) {
    case kCmdExit:
    case kCmdQuitFromSmall: ExitProgram(); break;
    case kCmdViewAutomatic: ChooseViewAutomatic(); break;
    case kCmdViewSmallPermanent: ChooseSmallViewPermanent(); break;
    case kCmdInterval1:
    case kCmdInterval3:
    case kCmdInterval5:
    case kCmdInterval10:
    case kCmdInterval15:
    case kCmdIntervalPermanent: ChooseViewInterval(command); break;
    case kCmdSmall: ChooseSmallWindow(); break;
    case kCmdHide: ChooseHide(); break;
    case kCmdOpenMainWindow: ChooseOpenMainWindow(); break;
    case kCmdAlwaysOnTop: ToggleAlwaysOnTop(); break;
    case kCmdToTray: ToggleTrayMode(); break;
    default: break;
  }
}
