#include "shell/view_commands.h"

#include "shell/app_state.h"
#include "shell/identifiers.h"
#include "shell/settings_store.h"
#include "shell/views.h"

std::optional<ViewInterval> IntervalOfItem(int item) {
  switch (item) {
    case kCmdInterval1: return ViewInterval::Minutes(1);
    case kCmdInterval3: return ViewInterval::Minutes(3);
    case kCmdInterval5: return ViewInterval::Minutes(5);
    case kCmdInterval10: return ViewInterval::Minutes(10);
    case kCmdInterval15: return ViewInterval::Minutes(15);
    case kCmdIntervalPermanent: return ViewInterval::MainOnly();
    default: return std::nullopt;
  }
}

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
