#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <cstdlib>

#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/tray.h"
#include "platform/ui_driver.h"
#include "platform/windows.h"
#include "shell/app_state.h"
#include "shell/identifiers.h"
#include "shell/settings.h"
#include "tests/support/program_fixture.h"

namespace {

class ViewTest : public ProgramTest {
 protected:
  void StartWith(int viewInterval, int smallWindowMode, int hour, int minute) {
    Settings s = DefaultSettings();
    s.chimeChoice = 0;  // no chime: these tests are about windows
    s.viewInterval = static_cast<int8_t>(viewInterval);
    s.smallWindowMode = static_cast<int8_t>(smallWindowMode);
    PrepareEarlierRun(EncodeSettings(s));
    SetTime(2026, 12, 7, hour, minute);
    Start();
  }
  static bool MainShown() { return platform::IsWindowVisible(kMainWindow); }
  static bool SmallShown() { return platform::IsWindowVisible(kSmallWindow); }
  static bool TrayShown() { return platform::TrayIconExists(kTrayIcon); }
  void Choose(int menu, int item) {
    platform::TriggerMenuItem(menu, item);
    Drain();
  }
  Settings SavedSettings() const { return DecodeSettings(ReadFile("konfig.set")); }
};

TEST_F(ViewTest, IntervalFiveHandsOverAtMinuteFiveEveryHour) {
  StartWith(5, 0, 10, 2);
  EXPECT_TRUE(MainShown());
  EXPECT_FALSE(SmallShown());
  AdvanceMinutes(2);  // 10:04
  EXPECT_TRUE(MainShown());
  AdvanceMinutes(1);  // 10:05
  EXPECT_FALSE(MainShown());
  EXPECT_TRUE(SmallShown());
  AdvanceMinutes(55);  // 11:00
  EXPECT_TRUE(MainShown());
  EXPECT_FALSE(SmallShown());
  AdvanceMinutes(5);  // 11:05
  EXPECT_FALSE(MainShown());
  EXPECT_TRUE(SmallShown());
  EXPECT_FALSE(TrayShown());
}

TEST_F(ViewTest, StartPastTheIntervalShowsTheSmallWindowAtOnce) {
  StartWith(5, 0, 10, 7);
  EXPECT_FALSE(MainShown());
  EXPECT_TRUE(SmallShown());
}

TEST_F(ViewTest, OnlyTheFirstPassSwitchesSoTheUserMayReopenTheMainWindow) {
  StartWith(5, 0, 10, 7);
  Choose(kSmallMenu, kCmdOpenMainWindow);
  EXPECT_TRUE(MainShown());
  AdvanceMinutes(3);
  EXPECT_TRUE(MainShown()) << "the switch-over happens once per hour";
}

TEST_F(ViewTest, IntervalFiveInTrayModeGoesToTheTrayWithTheOrgansTooltip) {
  StartWith(5, 10, 10, 58);
  EXPECT_FALSE(MainShown());
  EXPECT_FALSE(SmallShown());
  EXPECT_TRUE(TrayShown());
  AdvanceMinutes(2);  // 11:00
  EXPECT_FALSE(TrayShown());
  EXPECT_TRUE(MainShown());
  AdvanceMinutes(5);  // 11:05
  EXPECT_FALSE(MainShown());
  EXPECT_FALSE(SmallShown());
  ASSERT_TRUE(TrayShown());
  EXPECT_EQ(platform::TrayIconTooltip(kTrayIcon), "Organuhr: Herz 11:00 - 13:00 Uhr");
}

TEST_F(ViewTest, PermanentSmallViewInTrayModeShowsOnlyTheIconUntilClicked) {
  StartWith(0, 10, 9, 30);
  EXPECT_FALSE(MainShown());
  EXPECT_FALSE(SmallShown());
  EXPECT_TRUE(TrayShown());
  // The icon was added before the first organ update, while the tooltip was empty.
  EXPECT_EQ(platform::TrayIconTooltip(kTrayIcon), "");
  platform::ClickTrayIcon(kTrayIcon);
  Drain();
  EXPECT_TRUE(MainShown());
  EXPECT_FALSE(TrayShown());
  AdvanceMinutes(60);
  EXPECT_TRUE(MainShown()) << "nothing hides the main window the user opened";
}

TEST_F(ViewTest, AutomaticFromPermanentSmallChoosesPermanentMainAtTheNextHour) {
  StartWith(0, 0, 9, 30);
  EXPECT_TRUE(SmallShown());
  Choose(kMainMenu, kCmdViewAutomatic);
  EXPECT_TRUE(platform::IsMenuItemChecked(kMainMenu, kCmdIntervalPermanent));
  EXPECT_TRUE(platform::IsMenuItemChecked(kMainMenu, kCmdViewAutomatic));
  EXPECT_FALSE(platform::IsMenuItemChecked(kMainMenu, kCmdViewSmallPermanent));
  for (int item = kCmdInterval1; item <= kCmdIntervalPermanent; ++item)
    EXPECT_TRUE(platform::IsMenuItemEnabled(kMainMenu, item)) << item;
  EXPECT_EQ(App().settings.viewInterval, 100);
  EXPECT_EQ(SavedSettings().viewInterval, 100);
  EXPECT_TRUE(SmallShown());
  EXPECT_FALSE(MainShown());
  AdvanceMinutes(30);  // 10:00
  EXPECT_TRUE(MainShown());
  AdvanceMinutes(59);
  EXPECT_TRUE(MainShown()) << "interval 100 never switches away";
}

TEST_F(ViewTest, PermanentSmallViewGreysTheIntervals) {
  StartWith(100, 0, 9, 30);
  Choose(kMainMenu, kCmdViewSmallPermanent);
  EXPECT_TRUE(SmallShown());
  EXPECT_FALSE(MainShown());
  for (int item = kCmdInterval1; item <= kCmdIntervalPermanent; ++item) {
    EXPECT_FALSE(platform::IsMenuItemEnabled(kMainMenu, item)) << item;
    EXPECT_FALSE(platform::IsMenuItemChecked(kMainMenu, item)) << item;
  }
  EXPECT_EQ(SavedSettings().viewInterval, 0);
  AdvanceMinutes(31);
  EXPECT_FALSE(MainShown()) << "no pop-up with the small window permanently";
}

TEST_F(ViewTest, ChoosingAnIntervalWritesItAtOnceAndAppliesItThisHour) {
  StartWith(100, 0, 9, 30);
  Choose(kMainMenu, kCmdInterval10);
  EXPECT_EQ(SavedSettings().viewInterval, 10);
  EXPECT_TRUE(platform::IsMenuItemChecked(kMainMenu, kCmdInterval10));
  EXPECT_FALSE(platform::IsMenuItemChecked(kMainMenu, kCmdIntervalPermanent));
  EXPECT_TRUE(SmallShown()) << "minute 30 is past the new interval";
  Choose(kMainMenu, kCmdIntervalPermanent);
  EXPECT_EQ(SavedSettings().viewInterval, 100);
}

TEST_F(ViewTest, AlwaysOnTopInTrayModeKeepsTrayMode) {
  StartWith(100, 10, 9, 30);
  Choose(kMainMenu, kCmdSmall);
  EXPECT_TRUE(SmallShown());
  Choose(kSmallMenu, kCmdAlwaysOnTop);
  EXPECT_EQ(App().settings.smallWindowMode, 11);
  EXPECT_EQ(SavedSettings().smallWindowMode, 11);
  EXPECT_TRUE(platform::IsWindowOnTop(kSmallWindow));
  EXPECT_TRUE(platform::IsMenuItemChecked(kSmallMenu, kCmdAlwaysOnTop));
  EXPECT_TRUE(platform::IsMenuItemChecked(kSmallMenu, kCmdToTray));
  Choose(kSmallMenu, kCmdAlwaysOnTop);
  EXPECT_EQ(SavedSettings().smallWindowMode, 10);
  EXPECT_FALSE(platform::IsWindowOnTop(kSmallWindow));
}

TEST_F(ViewTest, SmallWindowHideSwitchesTrayModeOnAndOff) {
  StartWith(0, 1, 9, 30);
  EXPECT_TRUE(SmallShown());
  Choose(kSmallMenu, kCmdToTray);
  EXPECT_EQ(SavedSettings().smallWindowMode, 11);
  EXPECT_TRUE(TrayShown());
  EXPECT_FALSE(SmallShown());
  platform::ClickTrayIcon(kTrayIcon);
  Drain();
  Choose(kMainMenu, kCmdSmall);
  Choose(kSmallMenu, kCmdToTray);
  EXPECT_EQ(SavedSettings().smallWindowMode, 1);
  EXPECT_FALSE(platform::IsMenuItemChecked(kSmallMenu, kCmdToTray));
  EXPECT_TRUE(SmallShown()) << "switching tray mode off leaves the windows as they are";
}

TEST_F(ViewTest, CloseBoxesHideToTheTrayAndOnlyTheSmallOneSaves) {
  StartWith(100, 0, 9, 30);
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
  StartWith(100, 0, 9, 30);
  Choose(kMainMenu, kCmdHide);
  EXPECT_FALSE(MainShown());
  EXPECT_TRUE(SmallShown());
  EXPECT_TRUE(platform::IsWindowMinimised(kSmallWindow));
}

TEST_F(ViewTest, SmallWindowSavedOffScreenIsPlacedOnScreen) {
  Settings s = DefaultSettings();
  s.chimeChoice = 0;
  s.smallWindowX = -30000;
  s.smallWindowY = 40000;
  s.viewInterval = 0;
  PrepareEarlierRun(EncodeSettings(s));
  Start();
  int x = 0, y = 0;
  ASSERT_TRUE(platform::WindowOuterPosition(kSmallWindow, x, y));
  EXPECT_TRUE(platform::IsPositionOnScreen(x, y, 246, 131));
  EXPECT_EQ(App().settings.smallWindowX, -30000) << "the saved value stays until the window moves";
}

// Check marks and enabled states after start-up from different settings.
struct MenuStateCase {
  const char* name;
  int viewInterval, smallWindowMode, chimeChoice, reminderSound;
  int checkedInterval;  // item checked among 7-12, -1 none
};

class MenuStateTest : public ViewTest, public ::testing::WithParamInterface<MenuStateCase> {};

TEST_P(MenuStateTest, MirrorsTheSettings) {
  const MenuStateCase& c = GetParam();
  Settings s = DefaultSettings();
  s.viewInterval = static_cast<int8_t>(c.viewInterval);
  s.smallWindowMode = static_cast<int8_t>(c.smallWindowMode);
  s.chimeChoice = static_cast<int8_t>(c.chimeChoice);
  s.reminderSound = static_cast<int8_t>(c.reminderSound);
  PrepareEarlierRun(EncodeSettings(s));
  CopyDeliveredFiles();
  Start();
  TakeBoxes();  // chime choice 2 has no sound file and says so
  const bool automatic = c.viewInterval >= 1;
  EXPECT_EQ(platform::IsMenuItemChecked(kMainMenu, kCmdViewAutomatic), automatic);
  EXPECT_EQ(platform::IsMenuItemChecked(kMainMenu, kCmdViewSmallPermanent), !automatic);
  for (int item = kCmdInterval1; item <= kCmdIntervalPermanent; ++item) {
    EXPECT_EQ(platform::IsMenuItemChecked(kMainMenu, item), item == c.checkedInterval) << item;
    EXPECT_EQ(platform::IsMenuItemEnabled(kMainMenu, item), automatic) << item;
  }
  EXPECT_EQ(platform::IsMenuItemChecked(kMainMenu, kCmdChimeGong), c.chimeChoice == 1);
  EXPECT_EQ(platform::IsMenuItemChecked(kMainMenu, kCmdChimeVesk), c.chimeChoice == 2);
  EXPECT_EQ(platform::IsMenuItemChecked(kMainMenu, kCmdChimeMp3), c.chimeChoice == 3);
  EXPECT_EQ(platform::IsMenuItemChecked(kMainMenu, kCmdChimeOff), c.chimeChoice == 0);
  EXPECT_FALSE(platform::IsMenuItemEnabled(kMainMenu, kCmdChimeVesk));
  EXPECT_EQ(platform::IsMenuItemChecked(kMainMenu, kCmdReminderSound), c.reminderSound == 1);
  const bool tray = c.smallWindowMode >= 10;
  const bool onTop = (tray ? c.smallWindowMode - 10 : c.smallWindowMode) != 0;
  EXPECT_EQ(platform::IsMenuItemChecked(kSmallMenu, kCmdAlwaysOnTop), onTop);
  EXPECT_EQ(platform::IsMenuItemChecked(kSmallMenu, kCmdToTray), tray);
  EXPECT_EQ(platform::IsWindowOnTop(kSmallWindow), onTop);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, MenuStateTest,
    ::testing::Values(MenuStateCase{"defaults", 100, 1, 1, 1, kCmdIntervalPermanent},
                      MenuStateCase{"small_permanent_tray", 0, 10, 0, 0, -1},
                      MenuStateCase{"five_minutes_on_top_tray", 5, 11, 3, 1, kCmdInterval5},
                      MenuStateCase{"one_minute_vesk", 1, 0, 2, 7, kCmdInterval1},
                      MenuStateCase{"fifteen", 15, 1, 0, 1, kCmdInterval15},
                      MenuStateCase{"unknown_interval", 42, 0, 9, 1, -1}),
    [](const auto& info) { return std::string(info.param.name); });

// On a dense screen the organ picture is the twice-size drawing, laid out at the plain
// size; at ratio 1 it is the plain picture itself. CTest runs this once more with
// QT_SCALE_FACTOR=2 and ORGANCLOCK_EXPECT_RATIO=2.
TEST_F(ViewTest, OrganPictureFollowsTheScreensPixelRatio) {
  StartWith(0, 0, 4, 0);  // Lunge: picture 1
  int x, y, w, h;
  ASSERT_TRUE(platform::ControlGeometry(kCtlOrganPicture, x, y, w, h));
  QLabel* label = nullptr;
  for (QWidget* widget : QApplication::allWidgets())
    if (auto* l = qobject_cast<QLabel*>(widget); l && !l->pixmap().isNull() && l->geometry() == QRect(x, y, w, h)) label = l;
  ASSERT_NE(label, nullptr);
  const qreal ratio = label->devicePixelRatioF();
  if (const char* expected = std::getenv("ORGANCLOCK_EXPECT_RATIO")) EXPECT_EQ(ratio, std::atof(expected));
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
