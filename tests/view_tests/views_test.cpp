#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <cstdlib>
#include <string>

#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "platform/tray.h"
#include "platform/windows.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "shell/state/settings.h"
#include "tests/support/program_fixture.h"

namespace {

// The small window's two choices.
struct SmallWindowChoice {
  bool tray, onTop;
};
constexpr SmallWindowChoice kPlain{false, false};
constexpr SmallWindowChoice kOnTop{false, true};
constexpr SmallWindowChoice kTray{true, false};
constexpr SmallWindowChoice kTrayOnTop{true, true};

const ViewInterval kSmallOnly = ViewInterval::SmallOnly();
const ViewInterval kMainOnly = ViewInterval::MainOnly();
const ViewInterval kFiveMinutes = ViewInterval::Minutes(5);

class ViewTest : public ProgramTest {
 protected:
  void StartWith(ViewInterval interval, SmallWindowChoice small, int hour, int minute) {
    Settings s = DefaultSettings();
    s.chimeChoice = ChimeChoice::Off;  // no chime: these tests are about windows
    s.viewInterval = interval;
    s.trayMode = small.tray;
    SetSmallOnTop(s, small.onTop);
    PrepareEarlierRun(EncodeSettings(s));
    SetTime(2026, 12, 7, hour, minute);
    Start();
  }
  static bool MainShown() { return platform::IsWindowVisible(kMainWindow); }
  static bool SmallShown() { return platform::IsWindowVisible(kSmallWindow); }
  static bool TrayShown() { return platform::TrayIconExists(kTrayIcon); }
  // What is on screen at once: "main", "small" and "tray" joined by "+", "" for nothing.
  static std::string Shown() {
    std::string shown;
    if (MainShown()) shown += "+main";
    if (SmallShown()) shown += "+small";
    if (TrayShown()) shown += "+tray";
    return shown.empty() ? shown : shown.substr(1);
  }
  // What is on screen once the clock has moved on by `minutes`.
  std::string ShownAfter(int minutes) {
    AdvanceMinutes(minutes);
    return Shown();
  }
  void Choose(int menu, int item) {
    platform::TriggerMenuItem(menu, item);
    Drain();
  }
  Settings SavedSettings() const { return DecodeSettings(ReadFile("konfig.set")); }
};

TEST_F(ViewTest, IntervalFiveHandsOverAtMinuteFiveEveryHour) {
  StartWith(kFiveMinutes, kPlain, 10, 2);
  EXPECT_EQ(Shown(), "main");
  EXPECT_EQ(ShownAfter(2), "main");   // 10:04
  EXPECT_EQ(ShownAfter(1), "small");  // 10:05
  EXPECT_EQ(ShownAfter(55), "main");  // 11:00
  EXPECT_EQ(ShownAfter(5), "small");  // 11:05
}

TEST_F(ViewTest, StartPastTheIntervalShowsTheSmallWindowAtOnce) {
  StartWith(kFiveMinutes, kPlain, 10, 7);
  EXPECT_EQ(Shown(), "small");
}

TEST_F(ViewTest, OnlyTheFirstPassSwitchesSoTheUserMayReopenTheMainWindow) {
  StartWith(kFiveMinutes, kPlain, 10, 7);
  Choose(kSmallMenu, kCmdOpenMainWindow);
  EXPECT_TRUE(MainShown());
  AdvanceMinutes(3);
  EXPECT_TRUE(MainShown()) << "the switch-over happens once per hour";
}

TEST_F(ViewTest, IntervalFiveInTrayModeGoesToTheTrayWithTheOrgansTooltip) {
  StartWith(kFiveMinutes, kTray, 10, 58);
  EXPECT_EQ(Shown(), "tray");
  EXPECT_EQ(ShownAfter(2), "main");  // 11:00
  ASSERT_EQ(ShownAfter(5), "tray");  // 11:05
  EXPECT_EQ(platform::TrayIconTooltip(kTrayIcon), "Organuhr: Herz 11:00 - 13:00 Uhr");
}

TEST_F(ViewTest, PermanentSmallViewInTrayModeShowsOnlyTheIconUntilClicked) {
  StartWith(kSmallOnly, kTray, 9, 30);
  EXPECT_EQ(Shown(), "tray");
  // The icon was added before the first organ update, while the tooltip was empty.
  EXPECT_EQ(platform::TrayIconTooltip(kTrayIcon), "");
  platform::ClickTrayIcon(kTrayIcon);
  Drain();
  EXPECT_EQ(Shown(), "main");
  AdvanceMinutes(60);
  EXPECT_TRUE(MainShown()) << "nothing hides the main window the user opened";
}

TEST_F(ViewTest, AutomaticFromPermanentSmallChoosesPermanentMainAtTheNextHour) {
  StartWith(kSmallOnly, kPlain, 9, 30);
  EXPECT_TRUE(SmallShown());
  Choose(kMainMenu, kCmdViewAutomatic);
  EXPECT_TRUE(platform::IsMenuItemChecked(kMainMenu, kCmdIntervalPermanent));
  EXPECT_TRUE(platform::IsMenuItemChecked(kMainMenu, kCmdViewAutomatic));
  EXPECT_FALSE(platform::IsMenuItemChecked(kMainMenu, kCmdViewSmallPermanent));
  for (int item = kCmdInterval1; item <= kCmdIntervalPermanent; ++item)
    EXPECT_TRUE(platform::IsMenuItemEnabled(kMainMenu, item)) << item;
  EXPECT_EQ(App().settings.viewInterval, kMainOnly);
  EXPECT_EQ(SavedSettings().viewInterval, kMainOnly);
  EXPECT_TRUE(SmallShown());
  EXPECT_FALSE(MainShown());
  AdvanceMinutes(30);  // 10:00
  EXPECT_TRUE(MainShown());
  AdvanceMinutes(59);
  EXPECT_TRUE(MainShown()) << "interval 100 never switches away";
}

TEST_F(ViewTest, PermanentSmallViewGreysTheIntervals) {
  StartWith(kMainOnly, kPlain, 9, 30);
  Choose(kMainMenu, kCmdViewSmallPermanent);
  EXPECT_TRUE(SmallShown());
  EXPECT_FALSE(MainShown());
  for (int item = kCmdInterval1; item <= kCmdIntervalPermanent; ++item) {
    EXPECT_FALSE(platform::IsMenuItemEnabled(kMainMenu, item)) << item;
    EXPECT_FALSE(platform::IsMenuItemChecked(kMainMenu, item)) << item;
  }
  EXPECT_EQ(SavedSettings().viewInterval, kSmallOnly);
  AdvanceMinutes(31);
  EXPECT_FALSE(MainShown()) << "no pop-up with the small window permanently";
}

TEST_F(ViewTest, ChoosingAnIntervalWritesItAtOnceAndAppliesItThisHour) {
  StartWith(kMainOnly, kPlain, 9, 30);
  Choose(kMainMenu, kCmdInterval10);
  EXPECT_EQ(SavedSettings().viewInterval, ViewInterval::Minutes(10));
  EXPECT_TRUE(platform::IsMenuItemChecked(kMainMenu, kCmdInterval10));
  EXPECT_FALSE(platform::IsMenuItemChecked(kMainMenu, kCmdIntervalPermanent));
  EXPECT_TRUE(SmallShown()) << "minute 30 is past the new interval";
  Choose(kMainMenu, kCmdIntervalPermanent);
  EXPECT_EQ(SavedSettings().viewInterval, kMainOnly);
}

TEST_F(ViewTest, AlwaysOnTopInTrayModeKeepsTrayMode) {
  StartWith(kMainOnly, kTray, 9, 30);
  Choose(kMainMenu, kCmdSmall);
  EXPECT_TRUE(SmallShown());
  Choose(kSmallMenu, kCmdAlwaysOnTop);
  EXPECT_TRUE(App().settings.smallOnTop);
  EXPECT_TRUE(App().settings.trayMode);
  EXPECT_EQ(ReadFile("konfig.set").back(), 11) << "on top in tray mode";
  EXPECT_TRUE(platform::IsWindowOnTop(kSmallWindow));
  EXPECT_TRUE(platform::IsMenuItemChecked(kSmallMenu, kCmdAlwaysOnTop));
  EXPECT_TRUE(platform::IsMenuItemChecked(kSmallMenu, kCmdToTray));
  Choose(kSmallMenu, kCmdAlwaysOnTop);
  EXPECT_EQ(ReadFile("konfig.set").back(), 10) << "tray mode only";
  EXPECT_FALSE(platform::IsWindowOnTop(kSmallWindow));
}

TEST_F(ViewTest, SmallWindowHideSwitchesTrayModeOnAndOff) {
  StartWith(kSmallOnly, kOnTop, 9, 30);
  EXPECT_TRUE(SmallShown());
  Choose(kSmallMenu, kCmdToTray);
  EXPECT_EQ(ReadFile("konfig.set").back(), 11) << "on top in tray mode";
  EXPECT_TRUE(TrayShown());
  EXPECT_FALSE(SmallShown());
  platform::ClickTrayIcon(kTrayIcon);
  Drain();
  Choose(kMainMenu, kCmdSmall);
  Choose(kSmallMenu, kCmdToTray);
  EXPECT_EQ(ReadFile("konfig.set").back(), 1) << "on top only";
  EXPECT_FALSE(platform::IsMenuItemChecked(kSmallMenu, kCmdToTray));
  EXPECT_TRUE(SmallShown()) << "switching tray mode off leaves the windows as they are";
}

TEST_F(ViewTest, CloseBoxesHideToTheTrayAndOnlyTheSmallOneSaves) {
  StartWith(kMainOnly, kPlain, 9, 30);
  const std::string before = ReadFile("konfig.set");
  platform::MoveWindowByUser(kSmallWindow, 50, 60);
  platform::RequestWindowClose(kMainWindow);
  Drain();
  EXPECT_FALSE(MainShown());
  EXPECT_TRUE(TrayShown());
  EXPECT_EQ(ReadFile("konfig.set"), before);
  platform::ClickTrayIcon(kTrayIcon);
  Drain();
  Choose(kMainMenu, kCmdSmall);
  platform::MoveWindowByUser(kSmallWindow, 70, 80);
  Drain();
  platform::RequestWindowClose(kSmallWindow);
  Drain();
  EXPECT_FALSE(SmallShown());
  EXPECT_TRUE(TrayShown());
  EXPECT_EQ(SavedSettings().smallWindowX, 70);
  EXPECT_EQ(SavedSettings().smallWindowY, 80);
  EXPECT_TRUE(platform::WindowExists(kMainWindow)) << "closing never ends the program";
}

TEST_F(ViewTest, WithoutASystemTrayTheSmallWindowStaysMinimised) {
  platform::SetTrayAvailableForTesting(0);
  StartWith(kMainOnly, kPlain, 9, 30);
  Choose(kMainMenu, kCmdHide);
  EXPECT_FALSE(MainShown());
  EXPECT_TRUE(SmallShown());
  EXPECT_TRUE(platform::IsWindowMinimised(kSmallWindow));
}

TEST_F(ViewTest, SmallWindowSavedOffScreenIsPlacedOnScreen) {
  Settings s = DefaultSettings();
  s.chimeChoice = ChimeChoice::Off;
  s.smallWindowX = -30000;
  s.smallWindowY = 40000;
  s.viewInterval = kSmallOnly;
  PrepareEarlierRun(EncodeSettings(s));
  Start();
  int x = 0, y = 0;
  ASSERT_TRUE(platform::WindowOuterPosition(kSmallWindow, x, y));
  EXPECT_TRUE(platform::IsPositionOnScreen(x, y, 246, 131));
  EXPECT_EQ(App().settings.smallWindowX, -30000) << "the saved value stays until the window moves";
}

// Check marks and enabled states after start-up from the bytes of an earlier run.
struct MenuStateCase {
  const char* name;
  int storedInterval, storedMode, storedChime, storedReminder;
  bool automatic;       // "Automatisch" checked, the minute items usable
  int checkedInterval;  // the one item of "Erweiterte Ansicht" checked, -1 none
  int checkedChime;     // the one item of "Organuhr" checked, -1 none
  bool reminderChecked, trayChecked, onTopChecked;
};

class MenuStateTest : public ViewTest, public ::testing::WithParamInterface<MenuStateCase> {};

TEST_P(MenuStateTest, MirrorsTheSettings) {
  const MenuStateCase& c = GetParam();
  Settings s = DefaultSettings();
  s.chimeChoice = static_cast<ChimeChoice>(c.storedChime);
  s.reminderSound = c.storedReminder == 1;
  s.reminderSoundAsStored = static_cast<int8_t>(c.storedReminder);
  std::string bytes = EncodeSettings(s);
  bytes[bytes.size() - 2] = static_cast<char>(c.storedInterval);
  bytes[bytes.size() - 1] = static_cast<char>(c.storedMode);
  PrepareEarlierRun(bytes);
  CopyDeliveredFiles();
  Start();
  TakeBoxes();  // "Dr. Vesk" and unnamed chimes have no sound file and say so
  EXPECT_EQ(platform::IsMenuItemChecked(kMainMenu, kCmdViewAutomatic), c.automatic);
  EXPECT_EQ(platform::IsMenuItemChecked(kMainMenu, kCmdViewSmallPermanent), !c.automatic);
  for (int item = kCmdInterval1; item <= kCmdIntervalPermanent; ++item) {
    EXPECT_EQ(platform::IsMenuItemChecked(kMainMenu, item), item == c.checkedInterval) << item;
    EXPECT_EQ(platform::IsMenuItemEnabled(kMainMenu, item), c.automatic) << item;
  }
  for (const int item : {kCmdChimeGong, kCmdChimeVesk, kCmdChimeMp3, kCmdChimeOff})
    EXPECT_EQ(platform::IsMenuItemChecked(kMainMenu, item), item == c.checkedChime) << item;
  EXPECT_FALSE(platform::IsMenuItemEnabled(kMainMenu, kCmdChimeVesk));
  EXPECT_EQ(platform::IsMenuItemChecked(kMainMenu, kCmdReminderSound), c.reminderChecked);
  EXPECT_EQ(platform::IsMenuItemChecked(kSmallMenu, kCmdAlwaysOnTop), c.onTopChecked);
  EXPECT_EQ(platform::IsMenuItemChecked(kSmallMenu, kCmdToTray), c.trayChecked);
  EXPECT_EQ(platform::IsWindowOnTop(kSmallWindow), c.onTopChecked);
  EXPECT_EQ(ReadFile("konfig.set"), bytes) << "start-up writes nothing back";
}

INSTANTIATE_TEST_SUITE_P(
    Settings, MenuStateTest,
    ::testing::Values(
        MenuStateCase{"defaults", 100, 1, 1, 1, true, kCmdIntervalPermanent, kCmdChimeGong, true, false,
                      true},
        MenuStateCase{"small_permanent_tray", 0, 10, 0, 0, false, -1, kCmdChimeOff, false, true, false},
        MenuStateCase{"five_minutes_on_top_tray", 5, 11, 3, 1, true, kCmdInterval5, kCmdChimeMp3, true,
                      true, true},
        MenuStateCase{"one_minute_vesk", 1, 0, 2, 7, true, kCmdInterval1, kCmdChimeVesk, false, false,
                      false},
        MenuStateCase{"fifteen", 15, 1, 0, 1, true, kCmdInterval15, kCmdChimeOff, true, false, true},
        MenuStateCase{"unknown_interval", 42, 0, 9, 1, true, -1, -1, true, false, false},
        MenuStateCase{"odd_tray_mode", 3, 15, -1, 1, true, kCmdInterval3, -1, true, true, true},
        MenuStateCase{"negative_mode_and_interval", -56, -3, 1, 1, false, -1, kCmdChimeGong, true, false,
                      true}),
    [](const auto& info) { return std::string(info.param.name); });

// On a dense screen the organ picture is the twice-size drawing, laid out at the plain
// size; at ratio 1 it is the plain picture itself. CTest runs this once more with
// QT_SCALE_FACTOR=2 and ORGANCLOCK_EXPECT_RATIO=2.
TEST_F(ViewTest, OrganPictureFollowsTheScreensPixelRatio) {
  StartWith(kSmallOnly, kPlain, 4, 0);  // Lunge: kPictureFirstOrgan
  int x, y, w, h;
  ASSERT_TRUE(platform::ControlGeometry(kCtlOrganPicture, x, y, w, h));
  QLabel* label = nullptr;
  for (QWidget* widget : QApplication::allWidgets())
    if (auto* l = qobject_cast<QLabel*>(widget);
        l && !l->pixmap().isNull() && l->geometry() == QRect(x, y, w, h))
      label = l;
  ASSERT_NE(label, nullptr);
  const qreal ratio = label->devicePixelRatioF();
  if (const char* expected = std::getenv("ORGANCLOCK_EXPECT_RATIO")) {
    EXPECT_EQ(ratio, std::atof(expected));
  }
  const bool dense = ratio > 1.5;

  const QPixmap shown = label->pixmap();
  const QImage drawing(dense ? ":/pictures/organ01@2x.jpg" : ":/pictures/organ01.jpg");
  ASSERT_FALSE(drawing.isNull());
  EXPECT_EQ(shown.devicePixelRatio(), dense ? 2.0 : 1.0);
  ASSERT_EQ(shown.size(), drawing.size());
  EXPECT_EQ(shown.deviceIndependentSize().toSize(), QSize(225, 187));
  EXPECT_EQ(label->size(), QSize(225, 187));
  // Decoded by libjpeg here and by Qt's reader there: equal up to rounding.
  const QImage pixels = shown.toImage();
  int worst = 0;
  for (int py = 0; py < pixels.height(); py += 3)
    for (int px = 0; px < pixels.width(); px += 3) {
      const QRgb a = pixels.pixel(px, py), b = drawing.pixel(px, py);
      worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                        std::abs(qBlue(a) - qBlue(b))});
    }
  EXPECT_LE(worst, 4);
}

}  // namespace
