#include "platform/menus.h"

#include <charconv>
#include <map>

#include "commands/command_tables.h"
#include "commands/dispatch.h"
#include "platform/cp1252.h"
#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "shell/state/identifiers.h"
#include "tests/support/program_fixture.h"

namespace {

class MenuTest : public ProgramTest {};

std::vector<std::string> Utf8Lines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  out.reserve(lines.size());
  for (const auto& line : lines) out.push_back(platform::Utf8(line));
  return out;
}

// A menu item as DescribeMenu lists it: indented two blanks per level, its command, its text.
std::string Item(int depth, int command, const std::string& text) {
  return std::string(static_cast<size_t>(depth) * 2, ' ') + std::to_string(command) + " " + text;
}

TEST_F(MenuTest, MainMenuBarHoldsEveryItemInOrder) {
  Start(false);
  const int organ = kCmdFirstOrganEdit;
  // Laid out menu by menu, so the list reads like the menu bar.
  // clang-format off
  const std::vector<std::string> expected = {
      "&Uhr", Item(1, kCmdSmall, "&Klein"), Item(1, kCmdHide, "&Ausblenden"), "  ---",
      Item(1, kCmdExit, "&Beenden"),
      "&Termin", Item(1, kCmdNewAppointment, "&Neu"), Item(1, kCmdOpenAppointments, "Ö&ffnen"),
      Item(1, kCmdImportAppointments, "&Importieren…"), Item(1, kCmdExportAppointments, "&Exportieren…"),
      "  ---", Item(1, kCmdConnectCalendar, "&Kalender verbinden…"), Item(1, kCmdSyncCalendar, "&Jetzt abgleichen"),
      "&Einstellungen",
      "  &Miniaturansicht", Item(2, kCmdViewAutomatic, "&Automatisch"),
      Item(2, kCmdViewSmallPermanent, "&Dauernd"),
      "  &Erweiterte Ansicht", Item(2, kCmdInterval1, "&1 Min."), Item(2, kCmdInterval3, "&3 Min."),
      Item(2, kCmdInterval5, "&5 Min."), Item(2, kCmdInterval10, "1&0 Min."),
      Item(2, kCmdInterval15, "15 &Min."), Item(2, kCmdIntervalPermanent, "&Dauernd"),
      "  &Sound", "    &Organuhr", Item(3, kCmdChimeGong, "&Gong"), Item(3, kCmdChimeVesk, "&Dr. Vesk"),
      Item(3, kCmdChimeMp3, "&MP3"), Item(3, kCmdChimeOff, "&Aus"),
      Item(2, kCmdReminderSound, "&Termin"),
      "  &Text zu Organe", "    Ä&ndern", Item(3, organ, "&Lunge"), Item(3, organ + 1, "&Dickdarm"),
      Item(3, organ + 2, "&Magen"), Item(3, organ + 3, "&Pankreas"), Item(3, organ + 4, "&Herz"),
      Item(3, organ + 5, "Dünnd&arm"), Item(3, organ + 6, "&Blase"), Item(3, organ + 7, "&Nieren"),
      Item(3, organ + 8, "Pericard &Kreislauf"), Item(3, organ + 9, "Drei &Erwärmer"),
      Item(3, organ + 10, "&Gallenblase"), Item(3, kCmdLastOrganEdit, "Lebe&r"),
      Item(2, kCmdSaveOrganText, "&Speichern"), Item(2, kCmdCancelOrganText, "&Abbrechen"),
      Item(2, kCmdRestoreOrganText, "&Wiederherstellen"),
      "&?", Item(1, kCmdInfo, "&Info"), Item(1, kCmdHomePage, "&Korvala Home"),
      Item(1, kCmdInstitutePage, "Korvala &Zentrum für Naturheilkunde")};
  // clang-format on
  EXPECT_EQ(Utf8Lines(platform::DescribeMenu(kMainMenu)), expected);
}

TEST_F(MenuTest, SmallWindowMenuBarHoldsTheViewItems) {
  Start(false);
  const std::vector<std::string> expected = {
      "&Ansicht", Item(1, kCmdAlwaysOnTop, "&Immer im Vordergrund"), Item(1, kCmdToTray, "&Ausblenden"),
      Item(1, kCmdOpenMainWindow, "&Hauptfenster öffnen"), Item(1, kCmdQuitFromSmall, "&Programm beenden")};
  EXPECT_EQ(Utf8Lines(platform::DescribeMenu(kSmallMenu)), expected);
}

// The commands of a menu bar as it was built, each with the text it shows.
std::map<int, std::string> ShownItems(int menu) {
  std::map<int, std::string> items;
  for (const std::string& line : platform::DescribeMenu(menu)) {
    const size_t start = line.find_first_not_of(' ');
    const size_t blank = line.find(' ', start);
    int command = 0;
    const auto [end, error] = std::from_chars(line.data() + start, line.data() + blank, command);
    if (blank != std::string::npos && error == std::errc() && end == line.data() + blank)
      items[command] = platform::Utf8(line.substr(blank + 1));
  }
  return items;
}

// A command written into two tables would run only one of its handlers; a labelled one
// in no menu bar could never be chosen; an item without a handler that can be chosen
// would do nothing.
TEST_F(MenuTest, EveryItemIsOneTableEntryThatRunsOrIsGreyed) {
  Start(false);
  std::map<int, int> entries;
  for (const CommandTable& table : CommandTables())
    for (const CommandEntry& entry : table) ++entries[entry.command];
  std::map<int, int> shownIn;
  for (const int menu : {kMainMenu, kSmallMenu}) {
    for (const auto& [command, text] : ShownItems(menu)) {
      ++shownIn[command];
      const CommandEntry* entry = FindCommand(command);
      ASSERT_NE(entry, nullptr) << text;
      ASSERT_NE(entry->label, nullptr) << text;
      EXPECT_EQ(text, entry->label);
      EXPECT_TRUE(entry->run || !platform::IsMenuItemEnabled(menu, command)) << text << " does nothing";
    }
  }
  for (const CommandTable& table : CommandTables()) {
    for (const CommandEntry& entry : table) {
      EXPECT_EQ(entries[entry.command], 1) << entry.command;
      if (entry.label) {
        EXPECT_EQ(shownIn[entry.command], 1) << entry.label << " is not in one menu bar";
      }
    }
  }
}

TEST_F(MenuTest, InfoBoxNamesTheVersionAndTheMaker) {
  Start();
  platform::TriggerMenuItem(kMainMenu, kCmdInfo);
  Drain();
  const auto boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Info:");
  EXPECT_EQ(boxes[0].icon, platform::MessageIcon::Information);
  EXPECT_EQ(boxes[0].buttons, platform::MessageButtons::Ok);
  EXPECT_EQ(boxes[0].text.rfind("Organuhr\nVersion: 1.2\n", 0), 0u) << boxes[0].text;
  EXPECT_GE(std::count(boxes[0].text.begin(), boxes[0].text.end(), '\n'), 5);
}

TEST_F(MenuTest, WebPagesAreHandedToTheDesktop) {
  Start();
  platform::TriggerMenuItem(kMainMenu, kCmdHomePage);
  platform::TriggerMenuItem(kMainMenu, kCmdInstitutePage);
  Drain();
  ASSERT_EQ(webAddresses.size(), 2u);
  EXPECT_NE(webAddresses[0], webAddresses[1]);
  for (const auto& address : webAddresses) EXPECT_EQ(address.rfind("https://", 0), 0u) << address;
}

TEST_F(MenuTest, CheckMarksSurviveAClickOnACheckedItem) {
  Start();
  ASSERT_TRUE(platform::IsMenuItemChecked(kMainMenu, kCmdIntervalPermanent));
  platform::TriggerMenuItem(kMainMenu, kCmdIntervalPermanent);
  Drain();
  EXPECT_TRUE(platform::IsMenuItemChecked(kMainMenu, kCmdIntervalPermanent));
}

TEST_F(MenuTest, VeskStaysGreyedAndUnknownCommandsDoNothing) {
  Start();
  platform::TriggerMenuItem(kMainMenu, kCmdChimeVesk);
  Drain();
  EXPECT_FALSE(platform::IsMenuItemEnabled(kMainMenu, kCmdChimeVesk));
  const std::string before = ReadFile("konfig.set");
  for (int id : {2, 3, 16, 50, 99, -1, 1000}) DispatchCommand(id);
  Drain();
  EXPECT_EQ(ReadFile("konfig.set"), before);
}

}  // namespace
