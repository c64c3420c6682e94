#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/controls.h"
#include "platform/pictures.h"
#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "platform/tray.h"
#include "platform/windows.h"
#include "shell/clock_renderer.h"
#include "shell/state/identifiers.h"
#include "tests/support/program_fixture.h"

namespace {

// A screen of two device pixels per logical pixel, set before the window system starts.
const bool kScaledScreen = setenv("QT_SCALE_FACTOR", "2", 1) == 0;

struct DevicePicture {
  int width = 0, height = 0;
  std::vector<platform::Rgb> pixels;
  const platform::Rgb& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

DevicePicture ControlPicture(int control, int logicalWidth, int logicalHeight) {
  DevicePicture p;
  const double ratio = platform::ControlPictureRatio(control);
  p.width = static_cast<int>(logicalWidth * ratio);
  p.height = static_cast<int>(logicalHeight * ratio);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) p.pixels.push_back(platform::ControlPicturePixel(control, x, y));
  return p;
}

// Share of the grey pixels between ink and background that touch both: on a sharp
// edge the grey is one pixel wide, so nearly all of them do; a picture drawn small and
// blown up has a band two or more pixels wide, whose inner pixels touch only one side.
double ThinEdgeShare(const DevicePicture& p, platform::Rgb background, int* greyCount) {
  auto isBackground = [&](const platform::Rgb& c) {
    return std::abs(c.r - background.r) + std::abs(c.g - background.g) + std::abs(c.b - background.b) <= 6;
  };
  auto isInk = [](const platform::Rgb& c) { return c.r + c.g + c.b <= 60; };
  int grey = 0, thin = 0;
  for (int y = 1; y + 1 < p.height; ++y)
    for (int x = 1; x + 1 < p.width; ++x) {
      const platform::Rgb& c = p.at(x, y);
      if (isBackground(c) || isInk(c)) continue;
      ++grey;
      bool ink = false, back = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          ink |= isInk(p.at(x + dx, y + dy));
          back |= isBackground(p.at(x + dx, y + dy));
        }
      if (ink && back) ++thin;
    }
  *greyCount = grey;
  return grey ? static_cast<double>(thin) / grey : 0.0;
}

class HiDpiTest : public ProgramTest {};

TEST_F(HiDpiTest, ClockDigitsAreDrawnAtTheScreenResolution) {
  ASSERT_TRUE(kScaledScreen);
  ASSERT_EQ(platform::ScreenPixelRatio(), 2.0);
  SetTime(2026, 12, 7, 8, 48, 30);
  Start();
  const long before = ClockRendererDrawCount();
  SetTime(2026, 12, 7, 8, 48, 31);
  ASSERT_TRUE(WaitForClockDrawsAbove(before));
  for (auto [control, width, height] :
       {std::tuple{kCtlLargeClock, 300, 95}, std::tuple{kCtlSmallClock, 190, 50}}) {
    // The layout stays in logical pixels; the picture has twice the pixels each way.
    int x, y, w, h;
    ASSERT_TRUE(platform::ControlGeometry(control, x, y, w, h));
    EXPECT_EQ(w, width);
    EXPECT_EQ(h, height);
    EXPECT_EQ(platform::ControlPictureRatio(control), 2.0) << control;
    const DevicePicture picture = ControlPicture(control, width, height);
    int grey = 0;
    const double share = ThinEdgeShare(picture, platform::ButtonFaceColour(), &grey);
    EXPECT_GT(grey, 0) << "no digits drawn";
    EXPECT_GE(share, 0.9) << control;
  }
}

TEST_F(HiDpiTest, ProgramIconHasLargeSizesInWindowsAndTray) {
  platform::SetTrayAvailableForTesting(1);
  Start();
  platform::TriggerMenuItem(kMainMenu, kCmdHide);
  Drain();
  ASSERT_TRUE(platform::TrayIconExists(kTrayIcon));
  for (const std::vector<int>& sizes :
       {platform::WindowIconSizes(kMainWindow), platform::WindowIconSizes(kSmallWindow),
        platform::TrayIconSizes(kTrayIcon)})
    for (int size : {16, 48, 64, 128, 256})
      EXPECT_NE(std::find(sizes.begin(), sizes.end(), size), sizes.end()) << size;
  platform::SetTrayAvailableForTesting(-1);
}

}  // namespace
