#include "commands/menus.h"

#include "commands/about.h"
#include "organs/organ_table.h"
#include "platform/cp1252.h"
#include "platform/menus.h"
#include "shell/state/identifiers.h"

using platform::Cp1252;

void BuildMainMenu() {
  if (!platform::CreateMenuBar(kMainMenu, kMainWindow)) return;
  const int m = kMainMenu;
  platform::AddMenuTitle(m, "Uhr");
  platform::AddMenuItem(m, kCmdSmall, "Klein");
  platform::AddMenuItem(m, kCmdHide, "Ausblenden");
  platform::AddMenuSeparator(m);
  platform::AddMenuItem(m, kCmdExit, "Beenden");

  platform::AddMenuTitle(m, "Termin");
  platform::AddMenuItem(m, kCmdNewAppointment, "Neu");
  platform::AddMenuItem(m, kCmdOpenAppointments, Cp1252("Öffnen"));

  platform::AddMenuTitle(m, "Einstellungen");
  platform::BeginSubmenu(m, "Miniaturansicht");
  platform::AddMenuItem(m, kCmdViewAutomatic, "Automatisch");
  platform::AddMenuItem(m, kCmdViewSmallPermanent, "Dauernd");
  platform::EndSubmenu(m);
  platform::BeginSubmenu(m, "Erweiterte Ansicht");
  platform::AddMenuItem(m, kCmdInterval1, "1 Min.");
  platform::AddMenuItem(m, kCmdInterval3, "3 Min.");
  platform::AddMenuItem(m, kCmdInterval5, "5 Min.");
  platform::AddMenuItem(m, kCmdInterval10, "10 Min.");
  platform::AddMenuItem(m, kCmdInterval15, "15 Min.");
  platform::AddMenuItem(m, kCmdIntervalPermanent, "Dauernd");
  platform::EndSubmenu(m);
  platform::BeginSubmenu(m, "Sound");
  platform::BeginSubmenu(m, "Organuhr");
  platform::AddMenuItem(m, kCmdChimeGong, "Gong");
  platform::AddMenuItem(m, kCmdChimeVesk, "Dr. Vesk");
  platform::AddMenuItem(m, kCmdChimeMp3, "MP3");
  platform::AddMenuItem(m, kCmdChimeOff, "Aus");
  platform::EndSubmenu(m);
  platform::AddMenuItem(m, kCmdReminderSound, "Termin");
  platform::EndSubmenu(m);
  platform::BeginSubmenu(m, "Text zu Organe");
  platform::BeginSubmenu(m, Cp1252("Ändern"));
  for (int organ = 1; organ <= kOrganCount; ++organ)
    platform::AddMenuItem(m, kCmdFirstOrganEdit + organ - 1, OrganRowOf(organ).name);
  platform::EndSubmenu(m);
  platform::AddMenuItem(m, kCmdSaveOrganText, "Speichern");
  platform::AddMenuItem(m, kCmdCancelOrganText, "Abbrechen");
  platform::AddMenuItem(m, kCmdRestoreOrganText, "Wiederherstellen");
  platform::EndSubmenu(m);

  platform::AddMenuTitle(m, "?");
  platform::AddMenuItem(m, kCmdInfo, "Info");
  platform::AddMenuItem(m, kCmdHomePage, "Korvala Home");
  platform::AddMenuItem(m, kCmdInstitutePage, kInstituteLabel);
}

void BuildSmallWindowMenu() {
  if (!platform::CreateMenuBar(kSmallMenu, kSmallWindow)) return;
  platform::AddMenuTitle(kSmallMenu, "Ansicht");
  platform::AddMenuItem(kSmallMenu, kCmdAlwaysOnTop, "Immer im Vordergrund");
  platform::AddMenuItem(kSmallMenu, kCmdToTray, "Ausblenden");
  platform::AddMenuItem(kSmallMenu, kCmdOpenMainWindow, Cp1252("Hauptfenster öffnen"));
  platform::AddMenuItem(kSmallMenu, kCmdQuitFromSmall, "Programm beenden");
}
