#include "commands/menus.h"

#include <initializer_list>
#include <string>

#include "commands/about.h"
#include "organs/organ_table.h"
#include "platform/cp1252.h"
#include "platform/menus.h"
#include "shell/state/identifiers.h"

using platform::Cp1252;

namespace {

struct MenuItem {
  int command;
  std::string label;
};

// Appends the items in order under the current drop-down or sub-menu.
void AddMenuItems(int menu, std::initializer_list<MenuItem> items) {
  for (const MenuItem& item : items) platform::AddMenuItem(menu, item.command, item.label);
}

// The label with its access key marked ('&' before the first `key`), for labels that
// also serve elsewhere without the marker.
std::string WithAccessKey(const std::string& label, char key) {
  std::string marked = label;
  const size_t at = marked.find(key);
  if (at != std::string::npos) marked.insert(at, 1, '&');
  return marked;
}

// Access keys of the organ items 1 to 12, unique in their menu: the first letter where
// it is free, otherwise a later one, never an umlaut.
constexpr char kOrganAccessKeys[] = "LDMPHaBNKEGr";

}  // namespace

// Every title and item has an access key (Qt's '&' marker), unique in its menu, so that
// Alt and a letter reach each command without counting arrow presses.
void BuildMainMenu() {
  if (!platform::CreateMenuBar(kMainMenu, kMainWindow)) return;
  const int m = kMainMenu;
  platform::AddMenuTitle(m, "&Uhr");
  AddMenuItems(m, {{kCmdSmall, "&Klein"}, {kCmdHide, "&Ausblenden"}});
  platform::AddMenuSeparator(m);
  platform::AddMenuItem(m, kCmdExit, "&Beenden");

  platform::AddMenuTitle(m, "&Termin");
  AddMenuItems(m, {{kCmdNewAppointment, "&Neu"},
                   {kCmdOpenAppointments, Cp1252("Ö&ffnen")},
                   {kCmdImportAppointments, Cp1252("&Importieren…")},
                   {kCmdExportAppointments, Cp1252("&Exportieren…")}});
  platform::AddMenuSeparator(m);
  AddMenuItems(
      m, {{kCmdConnectCalendar, Cp1252("&Kalender verbinden…")}, {kCmdSyncCalendar, "&Jetzt abgleichen"}});

  platform::AddMenuTitle(m, "&Einstellungen");
  platform::BeginSubmenu(m, "&Miniaturansicht");
  AddMenuItems(m, {{kCmdViewAutomatic, "&Automatisch"}, {kCmdViewSmallPermanent, "&Dauernd"}});
  platform::EndSubmenu(m);
  platform::BeginSubmenu(m, "&Erweiterte Ansicht");
  AddMenuItems(m, {{kCmdInterval1, "&1 Min."},
                   {kCmdInterval3, "&3 Min."},
                   {kCmdInterval5, "&5 Min."},
                   {kCmdInterval10, "1&0 Min."},
                   {kCmdInterval15, "15 &Min."},
                   {kCmdIntervalPermanent, "&Dauernd"}});
  platform::EndSubmenu(m);
  platform::BeginSubmenu(m, "&Sound");
  platform::BeginSubmenu(m, "&Organuhr");
  AddMenuItems(m, {{kCmdChimeGong, "&Gong"},
                   {kCmdChimeVesk, "&Dr. Vesk"},
                   {kCmdChimeMp3, "&MP3"},
                   {kCmdChimeOff, "&Aus"}});
  platform::EndSubmenu(m);
  platform::AddMenuItem(m, kCmdReminderSound, "&Termin");
  platform::EndSubmenu(m);
  platform::BeginSubmenu(m, "&Text zu Organe");
  platform::BeginSubmenu(m, Cp1252("Ä&ndern"));
  for (int organ = 1; organ <= kOrganCount; ++organ)
    platform::AddMenuItem(m, kCmdFirstOrganEdit + organ - 1,
                          WithAccessKey(OrganRowOf(organ).name, kOrganAccessKeys[organ - 1]));
  platform::EndSubmenu(m);
  AddMenuItems(m, {{kCmdSaveOrganText, "&Speichern"},
                   {kCmdCancelOrganText, "&Abbrechen"},
                   {kCmdRestoreOrganText, "&Wiederherstellen"}});
  platform::EndSubmenu(m);

  platform::AddMenuTitle(m, "&?");
  AddMenuItems(m, {{kCmdInfo, "&Info"},
                   {kCmdHomePage, "&Korvala Home"},
                   {kCmdInstitutePage, WithAccessKey(kInstituteLabel, 'Z')}});
}

void BuildSmallWindowMenu() {
  if (!platform::CreateMenuBar(kSmallMenu, kSmallWindow)) return;
  platform::AddMenuTitle(kSmallMenu, "&Ansicht");
  AddMenuItems(kSmallMenu, {{kCmdAlwaysOnTop, "&Immer im Vordergrund"},
                            {kCmdToTray, "&Ausblenden"},
                            {kCmdOpenMainWindow, Cp1252("&Hauptfenster öffnen")},
                            {kCmdQuitFromSmall, "&Programm beenden"}});
}
