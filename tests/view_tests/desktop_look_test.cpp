// The windows under the settings of today's desktops: a dark colour scheme, a larger
// font, and the longest organ captions.
#include <QApplication>
#include <QFont>
#include <QPalette>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <tuple>

#include "organs/organ_table.h"
#include "platform/controls.h"
#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "platform/windows.h"
#include "shell/state/identifiers.h"
#include "shell/text_contrast.h"
#include "tests/support/program_fixture.h"

namespace {

// The contrast between the colour most of `area` shows (its background) and the pixel
// that stands out from it most (the core of a letter).
double TextContrast(const platform::ShownPixels& shown, int left, int top, int right, int bottom) {
  std::map<std::tuple<int, int, int>, int> counts;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const platform::Rgb c = shown.at(x, y);
      ++counts[{c.r, c.g, c.b}];
    }
  auto most = counts.begin();
  for (auto it = counts.begin(); it != counts.end(); ++it)
    if (it->second > most->second) most = it;
  const platform::Rgb background{std::get<0>(most->first), std::get<1>(most->first),
                                 std::get<2>(most->first)};
  double best = 1.0;
  for (const auto& [colour, count] : counts)
    best = std::max(
        best, ContrastRatio(background, {std::get<0>(colour), std::get<1>(colour), std::get<2>(colour)}));
  return best;
}

// A dark scheme as desktops ship it: light text on dark window and field backgrounds.
QPalette DarkPalette() {
  QPalette p;
  const QColor window(0x31, 0x36, 0x3b), base(0x23, 0x26, 0x29), text(0xef, 0xf0, 0xf1);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::Button, QColor(0x3b, 0x40, 0x45));
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(role, text);
  p.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
  p.setColor(QPalette::HighlightedText, text);
  return p;
}

// A setting the desktop gives the whole application, taken back after the test.
class DesktopSettingTest : public ProgramTest {
 protected:
  void TearDown() override {
    ProgramTest::TearDown();
    if (restore_) restore_();
  }
  std::function<void()> restore_;
};

class DarkThemeTest : public DesktopSettingTest {
 protected:
  void SetUp() override {
    DesktopSettingTest::SetUp();
    restore_ = [previous = QApplication::palette()] { QApplication::setPalette(previous); };
    QApplication::setPalette(DarkPalette());
  }
  // Inside the organ text field's frame and scroll bars.
  static double OrganTextContrast() {
    const platform::ShownPixels shown = platform::GrabControl(kCtlOrganText);
    return TextContrast(shown, 4, 4, shown.width - 20, shown.height - 20);
  }
  static double ClockContrast(int control) {
    const platform::ShownPixels shown = platform::GrabControl(control);
    return TextContrast(shown, 0, 0, shown.width, shown.height);
  }
};

TEST_F(DarkThemeTest, OrganTextAndClocksKeepTheirContrast) {
  SetTime(2026, 12, 7, 18, 5, 7);
  Start();
  platform::ShowWindow(kMainWindow);
  platform::ShowWindow(kSmallWindow);
  ASSERT_TRUE(WaitForClockDrawsAbove(0));
  EXPECT_GE(OrganTextContrast(), kReadableContrast) << "organ text";
  EXPECT_GE(ClockContrast(kCtlLargeClock), kReadableContrast) << "large clock";
  EXPECT_GE(ClockContrast(kCtlSmallClock), kReadableContrast) << "small clock";
  platform::TriggerMenuItem(kMainMenu, kCmdFirstOrganEdit + 4);
  Drain();
  ASSERT_EQ(platform::ControlBackground(kCtlOrganText), (platform::Rgb{255, 255, 0}));
  EXPECT_GE(OrganTextContrast(), kReadableContrast) << "organ text while edited";
}

// The desktop's font size, as a desktop sets it for the whole application.
class DesktopFontTest : public DesktopSettingTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    DesktopSettingTest::SetUp();
    QFont font = QApplication::font();
    restore_ = [previous = font] { QApplication::setFont(previous); };
    font.setPointSize(GetParam());
    QApplication::setFont(font);
  }
};

TEST_P(DesktopFontTest, CalendarAndAppointmentWindowShowEverythingWhole) {
  SetTime(2026, 12, 9, 10, 2, 0);
  Start();
  platform::ShowWindow(kMainWindow);
  Drain();
  // A month that spans six weeks.
  platform::SetCalendarSelectedDay(kCtlCalendar, {2026, 8, 1});
  const platform::CalendarShape shape = platform::ShownCalendarShape(kCtlCalendar);
  EXPECT_EQ(shape.wholeColumns, 7);
  EXPECT_EQ(shape.wholeCaptions, 7);
  EXPECT_EQ(shape.wholeWeeks, 6);
  platform::TriggerMenuItem(kMainMenu, kCmdNewAppointment);
  Drain();
  platform::ChooseListItem(kCtlHourBox, 1);
  Drain();
  for (const std::string& text : platform::CutOrOverlappingTexts(kAppointmentWindow)) ADD_FAILURE() << text;
}

INSTANTIATE_TEST_SUITE_P(Points, DesktopFontTest, ::testing::Values(11, 14),
                         [](const auto& info) { return std::to_string(info.param) + "pt"; });

using CaptionTest = ProgramTest;

// Every organ's period caption, in both windows, during its own hours.
TEST_F(CaptionTest, EveryOrgansCaptionIsShownWhole) {
  SetTime(2026, 12, 7, 1, 5, 0);
  Start();
  for (int hour = 1; hour < 24; hour += 2) {
    SCOPED_TRACE(OrganRowOf(OrganOfHour(hour)).name);
    if (hour > 1) AdvanceMinutes(120);
    for (int window : {kMainWindow, kSmallWindow})
      for (const std::string& text : platform::CutOrOverlappingTexts(window)) ADD_FAILURE() << text;
  }
}

}  // namespace
