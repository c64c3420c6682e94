#include "platform/menus.h"
#include "commands/dispatch.h"
#include "platform/cp1252.h"
#include "platform/test_probes.h"
#include "platform/ui_driver.h"
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

TEST_F(MenuTest, MainMenuBarHoldsEveryItemInOrder) {
  Start(false);
  // One line per menu, so the list reads like the menu bar.
  // clang-format off
  const std::vector<std::string> expected = {
      "Uhr", "  13 Klein", "  15 Ausblenden", "  ---", "  4 Beenden",
      "Termin", "  0 Neu", "  1 Öffnen",
      "Einstellungen",
      "  Miniaturansicht", "    5 Automatisch", "    6 Dauernd",
      "  Erweiterte Ansicht", "    7 1 Min.", "    8 3 Min.", "    9 5 Min.", "    10 10 Min.",
      "    11 15 Min.", "    12 Dauernd",
      "  Sound", "    Organuhr", "      32 Gong", "      33 Dr. Vesk", "      34 MP3", "      35 Aus",
      "    14 Termin",
      "  Text zu Organe", "    Ändern", "      20 Lunge", "      21 Dickdarm", "      22 Magen",
      "      23 Pankreas", "      24 Herz", "      25 Dünndarm", "      26 Blase", "      27 Nieren",
      "      28 Pericard Kreislauf", "      29 Drei Erwärmer", "      30 Gallenblase", "      31 Leber",
      "    17 Speichern", "    18 Abbrechen", "    19 Wiederherstellen",
      "?", "  38 Info", "  36 Korvala Home", "  37 Korvala Zentrum für Naturheilkunde"};
  // clang-format on
  EXPECT_EQ(Utf8Lines(platform::DescribeMenu(kMainMenu)), expected);
}

TEST_F(MenuTest, SmallWindowMenuBarHoldsTheViewItems) {
  Start(false);
  const std::vector<std::string> expected = {"Ansicht", "  41 Immer im Vordergrund", "  42 Ausblenden",
                                             "  39 Hauptfenster öffnen", "  40 Programm beenden"};
  EXPECT_EQ(Utf8Lines(platform::DescribeMenu(kSmallMenu)), expected);
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
