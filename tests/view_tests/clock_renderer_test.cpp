#include <algorithm>
#include <chrono>
#include <ostream>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/accessibility.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/pictures.h"
#include "platform/testing/test_probes.h"
#include "shell/clock_renderer.h"
#include "shell/program.h"
#include "shell/state/identifiers.h"
#include "tests/support/program_fixture.h"

namespace platform {
// Colours in failure messages as "r,g,b".
void PrintTo(const Rgb& c, std::ostream* out) { *out << c.r << "," << c.g << "," << c.b; }
}  // namespace platform

namespace {

constexpr int kScratchPicture = 900;

// Where each clock picture shows its text, read once off the pictures drawn with the
// fonts the tests run with (Qt's offscreen platform and the program's font stand-ins).
// The numbers are written down rather than computed, so that a fault in the renderer's
// placement shows up here instead of being repeated by the test.
struct ClockLayout {
  int control;
  int width, height;
  int inkLeft, inkRight;  // outermost columns holding ink, for every "hh:mm.ss"
  int glyphs[8];          // a column inside each of the characters h h : m m . s s
  int secondsLeft;        // first column of the seconds digits
};
// 300 x 95, text 4 pixels left of the middle: ink from 22 to 268, the middle of it at 145.
constexpr ClockLayout kLargeLayout{
    kCtlLargeClock, 300, 95, 22, 268, {36, 71, 100, 128, 164, 191, 217, 253}, 203};
// 190 x 50, text 5 pixels left of the middle: ink from 23 to 157, the middle of it at 90.
constexpr ClockLayout kSmallLayout{
    kCtlSmallClock, 190, 50, 23, 157, {30, 49, 65, 80, 100, 114, 129, 149}, 122};
// Glyph outlines may come out a pixel or two different with another build of the fonts.
constexpr int kTolerance = 2;

using Picture = std::vector<platform::Rgb>;

bool IsInk(platform::Rgb p) { return p.r + p.g + p.b < 200; }

class ClockRendererTest : public ProgramTest {
 protected:
  // Starts the program at the given second and waits for its first clock picture.
  void StartAt(int year, int month, int day, int hour, int minute, int second) {
    const long before = ClockRendererDrawCount();
    SetTime(year, month, day, hour, minute, second);
    Start();
    ASSERT_TRUE(WaitForClockDrawsAbove(before));
  }

  // Moves the scripted clock on and waits for the picture of the new second.
  void MoveTo(int year, int month, int day, int hour, int minute, int second) {
    const long before = ClockRendererDrawCount();
    SetTime(year, month, day, hour, minute, second);
    ASSERT_TRUE(WaitForClockDrawsAbove(before));
  }

  static Picture Shown(const ClockLayout& l) {
    Picture picture;
    picture.reserve(static_cast<size_t>(l.width) * l.height);
    for (int y = 0; y < l.height; ++y)
      for (int x = 0; x < l.width; ++x) picture.push_back(platform::ControlPicturePixel(l.control, x, y));
    return picture;
  }

  static platform::Rgb At(const ClockLayout& l, const Picture& picture, int x, int y) {
    return picture[static_cast<size_t>(y) * l.width + x];
  }

  static bool ColumnHasInk(const ClockLayout& l, const Picture& picture, int x) {
    for (int y = 0; y < l.height; ++y)
      if (IsInk(At(l, picture, x, y))) return true;
    return false;
  }

  // Leftmost and rightmost columns holding ink; (width, -1) for none.
  static std::pair<int, int> InkColumns(const ClockLayout& l, const Picture& picture) {
    int left = l.width, right = -1;
    for (int x = 0; x < l.width; ++x)
      if (ColumnHasInk(l, picture, x)) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    return {left, right};
  }

  // Checks the fixed places of the picture: empty margins, the ink's extent, ink in
  // each character's columns.
  static void ExpectLaidOut(const ClockLayout& l, const Picture& picture) {
    SCOPED_TRACE(l.control);
    const platform::Rgb background = platform::ButtonFaceColour();
    const std::pair<int, int> corners[] = {
        {0, 0}, {l.width - 1, 0}, {0, l.height - 1}, {l.width - 1, l.height - 1}};
    for (const auto& [x, y] : corners)
      EXPECT_EQ(At(l, picture, x, y), background) << "corner " << x << "," << y;
    // The far left and far right stay empty from top to bottom.
    for (int y = 0; y < l.height; ++y) {
      for (int x = 0; x < l.inkLeft - kTolerance; ++x)
        ASSERT_EQ(At(l, picture, x, y), background) << "left margin " << x << "," << y;
      for (int x = l.inkRight + kTolerance + 1; x < l.width; ++x)
        ASSERT_EQ(At(l, picture, x, y), background) << "right margin " << x << "," << y;
    }
    const auto [left, right] = InkColumns(l, picture);
    EXPECT_NEAR(left, l.inkLeft, kTolerance);
    EXPECT_NEAR(right, l.inkRight, kTolerance);
    // Centred a few pixels left of the middle.
    const double middle = (left + right) / 2.0;
    EXPECT_LT(middle, l.width / 2.0 - 2);
    EXPECT_GT(middle, l.width / 2.0 - 8);
    for (int glyph : l.glyphs) {
      bool ink = false;
      for (int x = glyph - 1; x <= glyph + 1; ++x) ink = ink || ColumnHasInk(l, picture, x);
      EXPECT_TRUE(ink) << "no ink around column " << glyph;
    }
  }

  // Checks that the picture shows `text`, wherever it stands: `text` drawn in the clock's
  // font into a scratch picture and moved so that its ink starts where the shown ink
  // starts must match it pixel for pixel.
  static void ExpectShowsText(const ClockLayout& l, const Picture& picture, int font,
                              const std::string& text) {
    SCOPED_TRACE(text);
    const platform::Rgb background = platform::ButtonFaceColour();
    platform::CreateBlankPicture(kScratchPicture, l.width, l.height);
    platform::FillPictureRect(kScratchPicture, 0, 0, l.width, l.height, background);
    platform::DrawPictureText(kScratchPicture, font, 0, 0, {0, 0, 0}, text);
    int bearing = 0;
    while (bearing < l.width && !IsInk(ScratchColumnInk(l, bearing))) ++bearing;
    const int shownLeft = InkColumns(l, picture).first;
    ASSERT_LT(bearing, l.width);
    ASSERT_GE(shownLeft, bearing);

    platform::FillPictureRect(kScratchPicture, 0, 0, l.width, l.height, background);
    platform::DrawPictureText(kScratchPicture, font, shownLeft - bearing, 0, {0, 0, 0}, text);
    int differing = 0;
    for (int y = 0; y < l.height; ++y)
      for (int x = 0; x < l.width; ++x)
        if (At(l, picture, x, y) != platform::PicturePixel(kScratchPicture, x, y)) ++differing;
    EXPECT_EQ(differing, 0);
  }

  // The darkest pixel of a column of the scratch picture.
  static platform::Rgb ScratchColumnInk(const ClockLayout& l, int x) {
    platform::Rgb darkest{255, 255, 255};
    for (int y = 0; y < l.height; ++y) {
      const platform::Rgb p = platform::PicturePixel(kScratchPicture, x, y);
      if (p.r + p.g + p.b < darkest.r + darkest.g + darkest.b) darkest = p;
    }
    return darkest;
  }
};

TEST_F(ClockRendererTest, FormatsHoursMinutesAndSeconds) {
  EXPECT_EQ(FormatClockText(platform::MakeLocalTime(2026, 12, 7, 9, 5, 7)), "09:05.07");
  EXPECT_EQ(FormatClockText(platform::MakeLocalTime(2026, 12, 7, 23, 59, 59)), "23:59.59");
  EXPECT_EQ(FormatClockText(platform::MakeLocalTime(2026, 12, 8, 0, 0, 0)), "00:00.00");
}

TEST_F(ClockRendererTest, BothClocksShowTheNewSecondCentredAndShiftedLeft) {
  StartAt(2026, 12, 7, 9, 5, 7);
  const Picture largeBefore = Shown(kLargeLayout);
  const Picture smallBefore = Shown(kSmallLayout);
  MoveTo(2026, 12, 7, 9, 5, 8);
  struct Clock {
    const ClockLayout& layout;
    int font;
    const Picture& before;
  };
  for (const Clock& clock : {Clock{kLargeLayout, kFontLargeClock, largeBefore},
                             Clock{kSmallLayout, kFontSmallClock, smallBefore}}) {
    const ClockLayout& layout = clock.layout;
    const Picture& before = clock.before;
    SCOPED_TRACE(layout.control);
    const Picture after = Shown(layout);
    ExpectLaidOut(layout, before);
    ExpectLaidOut(layout, after);
    ExpectShowsText(layout, after, clock.font, "09:05.08");
    // Only the seconds changed, so only the columns of the seconds digits may differ.
    int firstChanged = layout.width, lastChanged = -1;
    for (int y = 0; y < layout.height; ++y)
      for (int x = 0; x < layout.width; ++x)
        if (At(layout, before, x, y) != At(layout, after, x, y)) {
          firstChanged = std::min(firstChanged, x);
          lastChanged = std::max(lastChanged, x);
        }
    ASSERT_GE(lastChanged, 0) << "the picture did not change with the second";
    EXPECT_GE(firstChanged, layout.secondsLeft - kTolerance);
    EXPECT_LE(lastChanged, layout.inkRight + kTolerance);
  }
}

TEST_F(ClockRendererTest, MidnightShowsZeroHours) {
  StartAt(2026, 12, 7, 23, 59, 59);
  MoveTo(2026, 12, 8, 0, 0, 0);
  const Picture shown = Shown(kLargeLayout);
  ExpectLaidOut(kLargeLayout, shown);
  ExpectShowsText(kLargeLayout, shown, kFontLargeClock, "00:00.00");
}

TEST_F(ClockRendererTest, DrawsOnlyWhenTheSecondChanges) {
  // The draw count runs on over the tests of one process, so the first picture is
  // waited for from the count before the start.
  StartAt(2026, 12, 7, 9, 5, 7);
  const long count = ClockRendererDrawCount();
  for (int i = 0; i < 5; ++i) {
    WakeClockRenderer();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(ClockRendererDrawCount(), count);
}

TEST_F(ClockRendererTest, ScreenReadersReadBothClocksAsLabelsWithHoursAndMinutes) {
  StartAt(2026, 12, 7, 9, 5, 58);
  MoveTo(2026, 12, 7, 9, 5, 59);
  for (int control : {kCtlLargeClock, kCtlSmallClock}) {
    EXPECT_TRUE(platform::IsOfferedAsLabel(control)) << control;
    EXPECT_EQ(platform::ControlAccessibleName(control), "09:05") << control;
  }
  MoveTo(2026, 12, 7, 9, 6, 0);
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
