#include <chrono>
#include <thread>

#include "platform/accessibility.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/pictures.h"
#include "platform/test_probes.h"
#include "shell/clock_renderer.h"
#include "shell/program.h"
#include "shell/state/identifiers.h"
#include "tests/support/program_fixture.h"

namespace {

constexpr int kScratchPicture = 900;

class ClockRendererTest : public ProgramTest {
 protected:
  // Waits until the renderer has drawn more than `count` times and the hand-over has
  // reached the controls.
  static bool WaitForDrawsAbove(long count) {
    for (int i = 0; i < 400; ++i) {
      if (ClockRendererDrawCount() > count) {
        for (int k = 0; k < 5; ++k) {
          std::this_thread::sleep_for(std::chrono::milliseconds(2));
          platform::ProcessPendingWork();
        }
        return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
  }

  // The text drawn the way the clock draws it, into a scratch picture of the same size.
  static void RenderExpected(const std::string& text, int width, int height, int font, int offset) {
    platform::CreateBlankPicture(kScratchPicture, width, height);
    const platform::Rgb background = platform::ButtonFaceColour();
    platform::FillPictureRect(kScratchPicture, 0, 0, width, height, background);
    const int x = (width - platform::TextWidth(font, text)) / 2 + offset;
    platform::DrawPictureText(kScratchPicture, font, x, 0, {0, 0, 0}, text);
  }

  static int DifferingPixels(int control, int width, int height) {
    int differing = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (platform::ControlPicturePixel(control, x, y) != platform::PicturePixel(kScratchPicture, x, y))
          ++differing;
    return differing;
  }

  // Leftmost and rightmost columns holding dark (text) pixels.
  static std::pair<int, int> InkColumns(int control, int width, int height) {
    int left = width, right = -1;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const platform::Rgb p = platform::ControlPicturePixel(control, x, y);
        if (p.r + p.g + p.b < 200) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
      }
    return {left, right};
  }
};

TEST_F(ClockRendererTest, FormatsHoursMinutesAndSeconds) {
  EXPECT_EQ(FormatClockText(platform::MakeLocalTime(2026, 12, 7, 9, 5, 7)), "09:05.07");
  EXPECT_EQ(FormatClockText(platform::MakeLocalTime(2026, 12, 7, 23, 59, 59)), "23:59.59");
  EXPECT_EQ(FormatClockText(platform::MakeLocalTime(2026, 12, 8, 0, 0, 0)), "00:00.00");
}

TEST_F(ClockRendererTest, BothClocksShowTheNewSecondCentredAndShiftedLeft) {
  SetTime(2026, 12, 7, 9, 5, 7);
  Start();
  long before = ClockRendererDrawCount();
  SetTime(2026, 12, 7, 9, 5, 8);
  ASSERT_TRUE(WaitForDrawsAbove(before));
  RenderExpected("09:05.08", 300, 95, kFontLargeClock, -4);
  EXPECT_EQ(DifferingPixels(kCtlLargeClock, 300, 95), 0);
  RenderExpected("09:05.08", 190, 50, kFontSmallClock, -5);
  EXPECT_EQ(DifferingPixels(kCtlSmallClock, 190, 50), 0);
  // The ink is centred a few pixels left of the middle.
  const auto [left, right] = InkColumns(kCtlLargeClock, 300, 95);
  ASSERT_LT(left, right);
  EXPECT_NEAR((left + right) / 2.0, 150 - 4, 6);
}

TEST_F(ClockRendererTest, MidnightShowsZeroHours) {
  SetTime(2026, 12, 7, 23, 59, 59);
  Start();
  const long before = ClockRendererDrawCount();
  SetTime(2026, 12, 8, 0, 0, 0);
  ASSERT_TRUE(WaitForDrawsAbove(before));
  RenderExpected("00:00.00", 300, 95, kFontLargeClock, -4);
  EXPECT_EQ(DifferingPixels(kCtlLargeClock, 300, 95), 0);
}

TEST_F(ClockRendererTest, DrawsOnlyWhenTheSecondChanges) {
  SetTime(2026, 12, 7, 9, 5, 7);
  Start();
  ASSERT_TRUE(WaitForDrawsAbove(0));
  const long count = ClockRendererDrawCount();
  for (int i = 0; i < 5; ++i) {
    WakeClockRenderer();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(ClockRendererDrawCount(), count);
}

TEST_F(ClockRendererTest, ScreenReadersReadBothClocksAsLabelsWithHoursAndMinutes) {
  SetTime(2026, 12, 7, 9, 5, 58);
  Start();
  long before = ClockRendererDrawCount();
  SetTime(2026, 12, 7, 9, 5, 59);
  ASSERT_TRUE(WaitForDrawsAbove(before));
  for (int control : {kCtlLargeClock, kCtlSmallClock}) {
    EXPECT_TRUE(platform::IsOfferedAsLabel(control)) << control;
    EXPECT_EQ(platform::ControlAccessibleName(control), "09:05") << control;
  }
  before = ClockRendererDrawCount();
  SetTime(2026, 12, 7, 9, 6, 0);
  ASSERT_TRUE(WaitForDrawsAbove(before));
  for (int control : {kCtlLargeClock, kCtlSmallClock})
    EXPECT_EQ(platform::ControlAccessibleName(control), "09:06") << control;
}

TEST_F(ClockRendererTest, ShutdownStopsTheRendererBeforePicturesAreFreed) {
  Start();
  ASSERT_TRUE(IsClockRendererRunning());
  ReleaseProgram();
  EXPECT_FALSE(IsClockRendererRunning());
  EXPECT_FALSE(platform::PictureExists(kPictureLargeClock));
}

}  // namespace
