#include <csignal>
#include <tuple>

#include "organs/organ_table.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/menus.h"
#include "platform/pictures.h"
#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "platform/windows.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "shell/state/settings.h"
#include "tests/support/program_fixture.h"

namespace {

class StartupTest : public ProgramTest {};

TEST_F(StartupTest, FirstRunWritesDefaultSettings) {
  Start();
  EXPECT_EQ(ReadFile("konfig.set"), EncodeSettings(DefaultSettings()));
  EXPECT_TRUE(TakeBoxes().empty());
}

TEST_F(StartupTest, ExistingEmptySettingsFileIsReadNotReplaced) {
  PrepareEarlierRun("");
  Start();
  EXPECT_EQ(App().settings.viewInterval, ViewInterval::SmallOnly());
  EXPECT_FALSE(App().settings.trayMode);
  EXPECT_FALSE(App().settings.smallOnTop);
  EXPECT_EQ(App().settings.chimeChoice, ChimeChoice::Off);
  EXPECT_EQ(ReadFile("konfig.set"), "");
  // View interval 0: the small window permanently.
  EXPECT_TRUE(platform::IsWindowVisible(kSmallWindow));
  EXPECT_FALSE(platform::IsWindowVisible(kMainWindow));
}

// Start-up decodes only the pictures it shows; the rest wait until first shown.
TEST_F(StartupTest, DecodesOnlyThePicturesItShows) {
  PrepareEarlierRun(EncodeSettings(DefaultSettings()));
  SetTime(2026, 12, 7, 10, 20);
  Start();
  const int shown = kPictureFirstOrgan + OrganOfHour(10) - 1;
  EXPECT_TRUE(platform::IsPictureDecoded(shown));
  EXPECT_FALSE(platform::IsPictureDecoded(shown, true)) << "twice-size drawing on a plain screen";
  // The main window is built showing the first organ, then the first pass shows the
  // organ of the hour; no other organ's picture is decoded.
  for (int organ = 2; organ <= kOrganCount; ++organ) {
    const int picture = kPictureFirstOrgan + organ - 1;
    if (picture != shown) {
      EXPECT_FALSE(platform::IsPictureDecoded(picture)) << organ;
    }
  }
  const int other = shown == kPictureFirstOrgan + 1 ? shown + 1 : kPictureFirstOrgan + 1;
  EXPECT_TRUE(platform::PictureExists(other));  // decoded when asked for
  EXPECT_TRUE(platform::IsPictureDecoded(other));
}

TEST_F(StartupTest, GarbageSettingsFileDoesNotStopTheProgram) {
  std::string garbage;
  for (int i = 0; i < 300; ++i) garbage += static_cast<char>((i * 97 + 13) & 0xFF);
  PrepareEarlierRun(garbage);
  Start();
  AdvanceMinutes(90);
  EXPECT_TRUE(platform::WindowExists(kMainWindow));
  EXPECT_EQ(ReadFile("konfig.set"), garbage);
  // Odd values may make a chime unloadable; that is reported, nothing else is.
  for (const auto& box : TakeBoxes()) EXPECT_EQ(box.icon, platform::MessageIcon::Error);
}

TEST_F(StartupTest, MainWindowControlsStandWhereTheyBelong) {
  Start(false);
  struct Expected {
    int control, x, y, w, h;
  };
  for (const Expected& e :
       {Expected{kCtlLargeClock, 300, 10, 300, 95}, Expected{kCtlMainDate, 300, 110, 300, 40},
        Expected{kCtlOrganFrame, 5, 5, 285, 355}, Expected{kCtlOrganText, 10, 245, 275, 110},
        Expected{kCtlDecoration, 525, 165, 71, 196}, Expected{kCtlCalendarFrame, 300, 160, 220, 200},
        Expected{kCtlCalendar, 305, 180, 210, 160}, Expected{kCtlOrganPicture, 35, 30, 225, 187},
        Expected{kCtlMainPeriod, 10, 225, 275, 20}, Expected{kCtlSmallClock, 30, 5, 190, 50},
        Expected{kCtlSmallDate, 25, 55, 195, 25}, Expected{kCtlSmallPeriod, 5, 85, 240, 25}}) {
    int x, y, w, h;
    ASSERT_TRUE(platform::ControlGeometry(e.control, x, y, w, h)) << e.control;
    EXPECT_EQ(x, e.x) << e.control;
    EXPECT_EQ(y, e.y) << e.control;
    EXPECT_EQ(w, e.w) << e.control;
    EXPECT_EQ(h, e.h) << e.control;
  }
  EXPECT_EQ(platform::ControlText(kCtlMainDate), "Do. 06.12.2007");
  EXPECT_EQ(platform::ControlText(kCtlMainPeriod), "03:00 - 05:00 Uhr");
  EXPECT_EQ(platform::ControlText(kCtlCalendarFrame), "Terminkalender:");
  EXPECT_EQ(platform::ControlTooltip(kCtlCalendar),
            "Klicken Sie auf die Fettgedruckten Tage, um die enthaltenen Termine anzuzeigen");
  EXPECT_EQ(platform::ControlPictureId(kCtlOrganPicture), kPictureFirstOrgan);
  EXPECT_EQ(platform::ControlText(kCtlSmallPeriod), "");
  EXPECT_EQ(platform::WindowTitle(kMainWindow), "Korvala Organuhr");
  EXPECT_EQ(platform::WindowTitle(kSmallWindow), "Korvala Organuhr");
}

TEST_F(StartupTest, FontsHaveTheirPixelHeights) {
  Start(false);
  // At 96 dots per inch: points x 96 / 72.
  EXPECT_EQ(platform::FontPixelHeight(kFontLargeClock), 64);
  EXPECT_EQ(platform::FontPixelHeight(kFontMainDate), 37);
  EXPECT_EQ(platform::FontPixelHeight(kFontSmallClock), 35);
  EXPECT_EQ(platform::FontPixelHeight(kFontSmallPeriod), 13);
}

TEST_F(StartupTest, ClockPicturesAreCreatedWithTheirSizes) {
  Start(false);
  for (auto [picture, width, height] :
       {std::tuple{kPictureLargeClock, 300, 95}, std::tuple{kPictureSmallClock, 190, 50}}) {
    EXPECT_EQ(platform::PictureWidth(picture), width) << picture;
    EXPECT_EQ(platform::PictureHeight(picture), height) << picture;
  }
}

TEST_F(StartupTest, FirstPassShowsTheOrganOfTheHour) {
  SetTime(2026, 12, 7, 0, 30);
  Start();
  EXPECT_EQ(App().shownOrgan, 11);
  EXPECT_EQ(platform::ControlPictureId(kCtlOrganPicture), 11);
  EXPECT_EQ(platform::ControlText(kCtlMainPeriod), "Gallenblase 23:00 - 01:00 Uhr");
  EXPECT_EQ(platform::ControlText(kCtlSmallPeriod), "Gallenblase 23:00 - 01:00 Uhr");
  EXPECT_EQ(App().tooltipText, "Organuhr: Gallenblase 23:00 - 01:00 Uhr");
}

TEST_F(StartupTest, OrganTextMenuItemsStartGreyed) {
  Start();
  EXPECT_TRUE(platform::IsMenuItemEnabled(kMainMenu, kCmdOpenAppointments));
  EXPECT_FALSE(platform::IsMenuItemEnabled(kMainMenu, kCmdSaveOrganText));
  EXPECT_FALSE(platform::IsMenuItemEnabled(kMainMenu, kCmdCancelOrganText));
  EXPECT_FALSE(platform::IsMenuItemEnabled(kMainMenu, kCmdRestoreOrganText));
}

TEST_F(StartupTest, ExitWritesSettingsWithTheSmallWindowPosition) {
  Start();
  platform::MoveWindowByUser(kSmallWindow, 333, 222);
  Drain();
  ExitProgram();
  EXPECT_TRUE(App().exitRequested);
  const Settings saved = DecodeSettings(ReadFile("konfig.set"));
  int x = saved.smallWindowX, y = saved.smallWindowY;
  EXPECT_EQ(x, 333);
  EXPECT_EQ(y, 222);
  EXPECT_FALSE(platform::WindowExists(kMainWindow));
}

TEST_F(StartupTest, TerminationSignalRunsTheOrderlyExit) {
  Start();
  SetSmallOnTop(App().settings, false);  // changed in memory only
  std::raise(SIGTERM);
  EXPECT_EQ(RunMainLoop(), 0);
  platform::ClearTerminationRequest();
  EXPECT_TRUE(App().exitRequested);
  EXPECT_EQ(ReadFile("konfig.set").back(), '\0') << "the small window mode 0";
}

}  // namespace
