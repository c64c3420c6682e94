// A user without a mouse: access keys in every menu, Alt and F10 to the menu bar, and
// the focus where typing is not thrown away.
#include <cctype>
#include <map>
#include <set>

#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/menus.h"
#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "tests/support/program_fixture.h"

namespace {

class KeyboardTest : public ProgramTest {
 protected:
  void Key(const std::string& key, bool withAlt = false) {
    platform::PressKeyInWindow(kMainWindow, key, withAlt);
    Drain();
  }
};

// Each title and item carries one access key, and no two entries of the same drop-down
// (or of the bar) share one.
TEST_F(KeyboardTest, EveryMenuEntryHasItsOwnAccessKey) {
  Start(false);
  for (int menu : {kMainMenu, kSmallMenu}) {
    // The access keys taken so far at each depth; a deeper level starts afresh under
    // each entry that opens it.
    std::map<size_t, std::set<char>> taken;
    for (const std::string& line : platform::DescribeMenu(menu)) {
      const size_t depth = line.find_first_not_of(' ') / 2;
      for (auto it = taken.upper_bound(depth); it != taken.end();) it = taken.erase(it);
      if (line.substr(depth * 2) == "---") continue;
      const size_t marker = line.find('&');
      ASSERT_NE(marker, std::string::npos) << platform::Utf8(line);
      EXPECT_EQ(line.find('&', marker + 1), std::string::npos) << platform::Utf8(line);
      const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(line[marker + 1])));
      EXPECT_TRUE(taken[depth].insert(key).second) << "access key taken twice: " << platform::Utf8(line);
    }
  }
}

TEST_F(KeyboardTest, AltLetterAltAloneAndF10OpenTheMenus) {
  Start();
  ASSERT_TRUE(platform::IsWindowVisible(kMainWindow));
  Key("U", true);
  EXPECT_EQ(platform::OpenMenuTitle(), "Uhr");
  Key("Esc");
  Key("Esc");
  EXPECT_EQ(platform::OpenMenuTitle(), "");
  Key("Alt");
  Key("E");
  EXPECT_EQ(platform::OpenMenuTitle(), "Einstellungen");
  Key("Esc");
  Key("Esc");
  Key("F10");
  EXPECT_EQ(platform::OpenMenuTitle(), "Uhr");
  Key("K");  // "Klein"
  EXPECT_EQ(platform::OpenMenuTitle(), "");
  EXPECT_TRUE(platform::IsWindowVisible(kSmallWindow));
  EXPECT_FALSE(platform::IsWindowVisible(kMainWindow));
}

TEST_F(KeyboardTest, FocusStartsInTheCalendarAndTheOrganTextTakesTypingOnlyWhileEdited) {
  Start();
  EXPECT_EQ(platform::FocusedControl(kMainWindow), kCtlCalendar);
  const std::string text = platform::ControlText(kCtlOrganText);
  platform::PressKeyIn(kCtlOrganText, 'x');
  EXPECT_EQ(platform::ControlText(kCtlOrganText), text) << "typing outside editing would be lost";
  platform::TriggerMenuItem(kMainMenu, kCmdFirstOrganEdit + App().shownOrgan - 1);
  Drain();
  platform::PressKeyIn(kCtlOrganText, 'x');
  EXPECT_NE(platform::ControlText(kCtlOrganText), text);
  platform::TriggerMenuItem(kMainMenu, kCmdCancelOrganText);
  Drain();
  platform::PressKeyIn(kCtlOrganText, 'x');
  EXPECT_EQ(platform::ControlText(kCtlOrganText), text);
}

}  // namespace
