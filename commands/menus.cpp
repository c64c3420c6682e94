#include "commands/menus.h"

#include "commands/command_tables.h"
#include "platform/cp1252.h"
#include "platform/menus.h"
#include "shell/state/identifiers.h"

namespace {

using Kind = MenuLine::Kind;

constexpr MenuLine Title(const char* text) { return {Kind::Title, text}; }
constexpr MenuLine Submenu(const char* text) { return {Kind::Submenu, text}; }
constexpr MenuLine EndSubmenu() { return {Kind::EndSubmenu}; }
constexpr MenuLine Items(int first, int last) { return {Kind::Items, nullptr, first, last}; }
constexpr MenuLine Item(int command) { return Items(command, command); }
constexpr MenuLine Separator() { return {Kind::Separator}; }

// Every title and item has an access key (Qt's '&' marker), unique in its menu, so that
// Alt and a letter reach each command without counting arrow presses.
constexpr MenuLine kMainMenuLines[] = {
    Title("&Uhr"),
    Item(kCmdSmall),
    Item(kCmdHide),
    Separator(),
    Item(kCmdExit),

    Title("&Termin"),
    Item(kCmdNewAppointment),
    Item(kCmdOpenAppointments),
    Item(kCmdImportAppointments),
    Item(kCmdExportAppointments),
    Separator(),
    Item(kCmdConnectCalendar),
    Item(kCmdSyncCalendar),

    Title("&Einstellungen"),
    Submenu("&Miniaturansicht"),
    Item(kCmdViewAutomatic),
    Item(kCmdViewSmallPermanent),
    EndSubmenu(),
    Submenu("&Erweiterte Ansicht"),
    Items(kCmdInterval1, kCmdIntervalPermanent),
    EndSubmenu(),
    Submenu("&Sound"),
    Submenu("&Organuhr"),
    Items(kCmdChimeGong, kCmdChimeOff),
    EndSubmenu(),
    Item(kCmdReminderSound),
    EndSubmenu(),
    Submenu("&Text zu Organe"),
    Submenu("Ä&ndern"),
    Items(kCmdFirstOrganEdit, kCmdLastOrganEdit),
    EndSubmenu(),
    Item(kCmdSaveOrganText),
    Item(kCmdCancelOrganText),
    Item(kCmdRestoreOrganText),
    EndSubmenu(),

    Title("&?"),
    Item(kCmdInfo),
    Item(kCmdHomePage),
    Item(kCmdInstitutePage),
};

constexpr MenuLine kSmallMenuLines[] = {
    Title("&Ansicht"),        Item(kCmdAlwaysOnTop),   Item(kCmdToTray),
    Item(kCmdOpenMainWindow), Item(kCmdQuitFromSmall),
};

void AddItems(int menu, const MenuLine& line) {
  for (int command = line.first; command <= line.last; ++command) {
    const CommandEntry* entry = FindCommand(command);
    if (entry && entry->label) platform::AddMenuItem(menu, command, platform::Cp1252(entry->label));
  }
}

void BuildMenuBar(const MenuBarLayout& layout) {
  const int menu = layout.menu;
  if (!platform::CreateMenuBar(menu, layout.window)) return;
  for (const MenuLine& line : layout.lines) {
    switch (line.kind) {
      case Kind::Title: platform::AddMenuTitle(menu, platform::Cp1252(line.text)); break;
      case Kind::Submenu: platform::BeginSubmenu(menu, platform::Cp1252(line.text)); break;
      case Kind::EndSubmenu: platform::EndSubmenu(menu); break;
      case Kind::Items: AddItems(menu, line); break;
      case Kind::Separator: platform::AddMenuSeparator(menu); break;
    }
  }
}

}  // namespace

const MenuBarLayout kMainMenuLayout{kMainMenu, kMainWindow, kMainMenuLines};
const MenuBarLayout kSmallMenuLayout{kSmallMenu, kSmallWindow, kSmallMenuLines};

void BuildMainMenu() { BuildMenuBar(kMainMenuLayout); }

void BuildSmallWindowMenu() { BuildMenuBar(kSmallMenuLayout); }
