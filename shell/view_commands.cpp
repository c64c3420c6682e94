#include "shell/view_commands.h"

#include "commands/settings_change.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "shell/state/view_interval_items.h"
#include "shell/views.h"

namespace {

void ChooseViewAutomatic() {
  // Whatever does not bring the main window up hourly becomes "Dauernd" of the
  // extended view; a chosen number of minutes stays.
  ChangeSettings([](Settings& s) {
    if (!s.viewInterval.ComesUpHourly()) s.viewInterval = ViewInterval::MainOnly();
  });
}

void ChooseSmallViewPermanent() {
  ToSmall();
  ChangeSettings([](Settings& s) { s.viewInterval = ViewInterval::SmallOnly(); });
}

void ChooseViewInterval(int item) {
  const std::optional<ViewInterval> interval = IntervalOfItem(item);
  if (!interval) return;
  ChangeSettings([&interval](Settings& s) { s.viewInterval = *interval; });
  App().lastAppliedInterval.reset();
}

void ToggleAlwaysOnTop() {
  ChangeSettings([](Settings& s) { SetSmallOnTop(s, !s.smallOnTop); });
  SetSmallWindowOnTop(App().settings.smallOnTop);
}

void ToggleTrayMode() {
  ChangeSettings([](Settings& s) { s.trayMode = !s.trayMode; });
  // Switching tray mode off leaves the windows as they are.
  if (App().settings.trayMode) ToTray();
}

bool ComesUpHourly(const AppState& app, int) { return app.settings.viewInterval.ComesUpHourly(); }

// With the small window permanently the minute intervals are greyed and none is checked.
bool IsChosenInterval(const AppState& app, int item) {
  return IntervalOfItem(item) == app.settings.viewInterval;
}

constexpr CommandEntry kEntries[] = {
    {kCmdSmall, "&Klein", ToSmall},
    {kCmdHide, "&Ausblenden", ToTray},
    {kCmdExit, "&Beenden", ExitProgram},
    {kCmdViewAutomatic, "&Automatisch", ChooseViewAutomatic, ComesUpHourly},
    {kCmdViewSmallPermanent, "&Dauernd", ChooseSmallViewPermanent,
     [](const AppState& app, int) { return !app.settings.viewInterval.ComesUpHourly(); }},
    {kCmdInterval1, "&1 Min.", [] { ChooseViewInterval(kCmdInterval1); }, IsChosenInterval, ComesUpHourly},
    {kCmdInterval3, "&3 Min.", [] { ChooseViewInterval(kCmdInterval3); }, IsChosenInterval, ComesUpHourly},
    {kCmdInterval5, "&5 Min.", [] { ChooseViewInterval(kCmdInterval5); }, IsChosenInterval, ComesUpHourly},
    {kCmdInterval10, "1&0 Min.", [] { ChooseViewInterval(kCmdInterval10); }, IsChosenInterval,
     ComesUpHourly},
    {kCmdInterval15, "15 &Min.", [] { ChooseViewInterval(kCmdInterval15); }, IsChosenInterval,
     ComesUpHourly},
    {kCmdIntervalPermanent, "&Dauernd", [] { ChooseViewInterval(kCmdIntervalPermanent); }, IsChosenInterval,
     ComesUpHourly},
    {kCmdAlwaysOnTop, "&Immer im Vordergrund", ToggleAlwaysOnTop,
     [](const AppState& app, int) { return app.settings.smallOnTop; }},
    {kCmdToTray, "&Ausblenden", ToggleTrayMode,
     [](const AppState& app, int) { return app.settings.trayMode; }},
    {kCmdOpenMainWindow, "&Hauptfenster öffnen", ToMain},
    {kCmdQuitFromSmall, "&Programm beenden", ExitProgram},
};

}  // namespace

const CommandTable kShellCommands = kEntries;
