// Rendered faces, probed at the pixels where hands, disc, numerals and date
// line must be. 1024 x 768 gives R = 250 and the centre (512, 384).

#include <gtest/gtest.h>

#include <tuple>

#include "saver/clock_display.h"
#include "saver/pixel_drawing.h"
#include "tests/saver/saver_test_support.h"

namespace organsaver {
namespace {

using test::At;
using test::CountNear;
using test::PixelIs;

constexpr int kX = 512;
constexpr int kY = 384;
constexpr int kTextTolerance = 60;  // anti-aliased glyph edges

QImage Picture(int w, int h) { return QImage(w, h, QImage::Format_RGB32); }

// Two frames with a text refresh between them, as the run does; the face stays put.
QImage RenderFace(FaceStyle style, const LocalTime& now, int w = 1024, int h = 768) {
  test::EnsureQtApplication();
  ClockDisplay display = SetUpClockDisplay(w, h, style, 96, 1);
  QImage picture = Picture(w, h);
  DrawClockFrame(display, picture, now);
  if (style == FaceStyle::FullScreen) RefreshClockTexts(display.texts, now);
  DrawClockFrame(display, picture, now);
  return picture;
}

// 15:00:30: hour hand right (0), minute hand up (270), second hand down (90).
LocalTime Sunday() { return At(15, 0, 30, 6, 12, 2026, 0); }
LocalTime Monday() { return At(15, 0, 30, 7, 12, 2026, 1); }

const QRect kTwelveBox(kX - 20, 167 - 14, 41, 29);       // numeral 12 at radius R/1.0714 - 16
const QRect kDateBox(kX - 130, kY + 125 - 20, 261, 41);  // date line at Y + R div 2

struct StyleCase {
  const char* name;
  FaceStyle style;
  ColourSet colours;
  Rgb otherNumerals;
};
class RenderedFace : public ::testing::TestWithParam<StyleCase> {};

TEST_P(RenderedFace, HandsDiscRingAndHubCarryTheirColours) {
  const ColourSet& c = GetParam().colours;
  const QImage face = RenderFace(GetParam().style, Sunday());
  EXPECT_TRUE(PixelIs(face, 0, 0, c.background));
  EXPECT_TRUE(PixelIs(face, kX + 250, kY, c.ringAndTicks));
  EXPECT_TRUE(PixelIs(face, kX, kY - 249, c.ringAndTicks));
  EXPECT_TRUE(PixelIs(face, kX + 110, kY, c.hourHand));        // beyond the disc
  EXPECT_TRUE(PixelIs(face, kX + 122, kY, c.hourHand));        // near the tip at 125
  EXPECT_TRUE(PixelIs(face, kX + 128, kY, c.background));      // past the tip
  EXPECT_TRUE(PixelIs(face, kX + 60, kY + 22, c.organDisc));   // disc centre lies 60 right
  EXPECT_TRUE(PixelIs(face, kX + 60 + 25, kY, c.organDisc));   // hand pixels recoloured by the disc
  EXPECT_TRUE(PixelIs(face, kX + 60, kY + 31, c.background));  // outside the disc's 29
  EXPECT_TRUE(PixelIs(face, kX, kY - 100, c.minuteHand));
  EXPECT_TRUE(PixelIs(face, kX + 2, kY - 100, c.minuteHand));
  EXPECT_TRUE(PixelIs(face, kX, kY - 170, c.background));  // minute tip at 167
  EXPECT_TRUE(PixelIs(face, kX, kY + 60, c.secondHand));
  EXPECT_TRUE(PixelIs(face, kX, kY + 166, c.secondHand));  // tip at R / 1.5 down
  EXPECT_TRUE(PixelIs(face, kX, kY + 169, c.background));
  EXPECT_TRUE(PixelIs(face, kX, kY - 10, c.secondHand));  // the tail, R / 20 = 12.5 up
  EXPECT_TRUE(PixelIs(face, kX, kY, c.secondHand));       // hub
  EXPECT_TRUE(PixelIs(face, kX + 3, kY, c.secondHand));
}

TEST_P(RenderedFace, SecondHandTipPathIsWiderThanHigh) {
  const Rgb second = GetParam().colours.secondHand;
  const QImage right = RenderFace(GetParam().style, At(15, 0, 15));  // second hand at 0
  EXPECT_TRUE(PixelIs(right, kX + 178, kY, second));                 // R / 1.4 = 178.6
  EXPECT_TRUE(PixelIs(right, kX + 180, kY, GetParam().colours.background));
  const QImage down = RenderFace(GetParam().style, At(15, 0, 30));  // second hand at 90
  EXPECT_TRUE(PixelIs(down, kX, kY + 167, second));                 // R / 1.5 = 166.7
  EXPECT_TRUE(PixelIs(down, kX, kY + 169, GetParam().colours.background));
}

TEST_P(RenderedFace, NumeralsInTheirColour) {
  const QImage face = RenderFace(GetParam().style, Sunday());
  EXPECT_GT(CountNear(face, kTwelveBox, GetParam().colours.numerals, 0), 10);
  EXPECT_EQ(CountNear(face, kTwelveBox, GetParam().otherNumerals, kTextTolerance), 0);
}

TEST_P(RenderedFace, OrganTextsOnTheDisc) {
  const QImage face = RenderFace(GetParam().style, Sunday());
  const QRect disc(kX + 60 - 20, kY - 12, 41, 25);
  EXPECT_GT(CountNear(face, disc, GetParam().colours.organTexts, kTextTolerance), 10);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, RenderedFace,
    ::testing::Values(StyleCase{"FullScreen", FaceStyle::FullScreen, kFullScreenColours, {255, 0, 0}},
                      StyleCase{"Preview", FaceStyle::Preview, kPreviewColours, {255, 255, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DateLine, SundayOrangeOtherDaysAquamarine) {
  const Rgb orange{252, 159, 20}, aquamarine{0, 255, 200};
  for (auto [day, now, colour, otherColour] : {std::tuple{"Sunday", Sunday(), orange, aquamarine},
                                               std::tuple{"Monday", Monday(), aquamarine, orange}}) {
    SCOPED_TRACE(day);
    const QImage face = RenderFace(FaceStyle::FullScreen, now);
    EXPECT_GT(CountNear(face, kDateBox, colour, 0), 50);
    EXPECT_EQ(CountNear(face, kDateBox, otherColour, kTextTolerance), 0);
  }
}

TEST(DateLine, PreviewHasNone) {
  const QImage face = RenderFace(FaceStyle::Preview, Sunday());
  EXPECT_EQ(CountNear(face, kDateBox, {252, 159, 20}, kTextTolerance), 0);
  EXPECT_EQ(CountNear(face, kDateBox, {0, 255, 200}, kTextTolerance), 0);
}

TEST(FullScreenFrames, TextsAppearFromTheSecondFrameOn) {
  test::EnsureQtApplication();
  ClockDisplay display = SetUpClockDisplay(1024, 768, FaceStyle::FullScreen, 96, 1);
  QImage picture = Picture(1024, 768);
  DrawClockFrame(display, picture, Monday());
  const QRect disc(kX + 60 - 20, kY - 12, 41, 25);
  EXPECT_EQ(CountNear(picture, kDateBox, {0, 255, 200}, kTextTolerance), 0);
  EXPECT_EQ(CountNear(picture, disc, {255, 255, 255}, kTextTolerance), 0);

  RefreshClockTexts(display.texts, Monday());
  DrawClockFrame(display, picture, Monday());
  EXPECT_GT(CountNear(picture, kDateBox, {0, 255, 200}, 0), 50);
  EXPECT_GT(CountNear(picture, disc, {255, 255, 255}, kTextTolerance), 10);
}

TEST(FullScreenFrames, FaceFollowsTheMovingCentre) {
  test::EnsureQtApplication();
  ClockDisplay display = SetUpClockDisplay(1024, 768, FaceStyle::FullScreen, 96, 1);
  for (int i = 0; i < 40; ++i) MoveClockDial(display);  // (552, 424)
  QImage picture = Picture(1024, 768);
  DrawClockFrame(display, picture, Sunday());
  EXPECT_TRUE(PixelIs(picture, 552, 424, kFullScreenColours.secondHand));
  EXPECT_TRUE(PixelIs(picture, 552 + 110, 424, kFullScreenColours.hourHand));
  EXPECT_TRUE(PixelIs(picture, 552 + 250, 424, kFullScreenColours.ringAndTicks));
}

TEST(SetUp, FontsAndTexts) {
  test::EnsureQtApplication();
  const ClockDisplay full = SetUpClockDisplay(1024, 768, FaceStyle::FullScreen, 96, 1);
  EXPECT_EQ(full.fonts[kNumeralFont].pixelSize(), 21);
  EXPECT_EQ(full.fonts[kOrganTextFont].pixelSize(), 9);
  EXPECT_EQ(full.fonts[kDateLineFont].pixelSize(), 33);
  EXPECT_FALSE(full.fonts[kNumeralFont].bold());
  EXPECT_FALSE(full.fonts[kNumeralFont].italic());
  EXPECT_TRUE(full.texts.organName.empty());
  EXPECT_FALSE(full.texts.lastRefreshHour.has_value());

  const ClockDisplay preview = SetUpClockDisplay(152, 112, FaceStyle::Preview, 96, 1);
  EXPECT_EQ(preview.layout.faceRadius, 36);
  EXPECT_EQ(preview.texts.organName, "Gallenblase");
  EXPECT_EQ(preview.texts.organPeriod, "23-01 Uhr");
  EXPECT_FLOAT_EQ(preview.motion.centreX, 76.0f);
  EXPECT_FLOAT_EQ(preview.motion.centreY, 56.0f);
}

// Every hour-and-minute position at several sizes: the hand fills stay inside
// their outlines and never flood the picture.
struct SizeCase {
  int w, h;
  bool cornersStayBlack;
};
class FillsStayInside : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FillsStayInside, ForEveryHandPosition) {
  test::EnsureQtApplication();
  const SizeCase& s = GetParam();
  for (FaceStyle style : {FaceStyle::Preview, FaceStyle::FullScreen}) {
    ClockDisplay display = SetUpClockDisplay(s.w, s.h, style, 96, 1);
    QImage picture = Picture(s.w, s.h);
    for (int minutes = 0; minutes < 12 * 60; ++minutes) {
      DrawClockFrame(display, picture, At(minutes / 60, minutes % 60, minutes % 60));
      if (!s.cornersStayBlack) continue;
      for (QPoint corner : {QPoint(0, 0), QPoint(s.w - 1, 0), QPoint(0, s.h - 1), QPoint(s.w - 1, s.h - 1)})
        ASSERT_TRUE(PixelIs(picture, corner.x(), corner.y(), {0, 0, 0}))
            << s.w << "x" << s.h << " at " << minutes / 60 << ":" << minutes % 60;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, FillsStayInside,
                         ::testing::Values(SizeCase{1024, 768, true}, SizeCase{152, 112, true},
                                           SizeCase{80, 60, true}, SizeCase{40, 30, true},
                                           SizeCase{3, 500, true}, SizeCase{500, 3, true},
                                           SizeCase{1, 1, false}, SizeCase{2, 2, false}));

TEST(EmptyPicture, DrawsNothingAndDoesNotFail) {
  test::EnsureQtApplication();
  ClockDisplay display = SetUpClockDisplay(0, 0, FaceStyle::Preview, 96, 1);
  QImage none;
  DrawClockFrame(display, none, At(3, 0, 0));
  EXPECT_TRUE(none.isNull());
}

TEST(PixelDrawing, LineIncludesBothEndsAndFillStopsAtItsColour) {
  QImage picture = Picture(20, 20);
  picture.fill(qRgb(0, 0, 0));
  const QRgb blue = qRgb(0, 0, 255);
  DrawLine(picture, {2, 3}, {15, 9}, blue);
  EXPECT_TRUE(PixelIs(picture, 2, 3, {0, 0, 255}));
  EXPECT_TRUE(PixelIs(picture, 15, 9, {0, 0, 255}));

  // A closed square outline: the fill stays inside, pixels of other colours are painted over.
  picture.fill(qRgb(0, 0, 0));
  DrawLine(picture, {4, 4}, {12, 4}, blue);
  DrawLine(picture, {12, 4}, {12, 12}, blue);
  DrawLine(picture, {12, 12}, {4, 12}, blue);
  DrawLine(picture, {4, 12}, {4, 4}, blue);
  picture.setPixel(8, 8, qRgb(255, 255, 255));
  FloodFillBoundedByColour(picture, {6, 6}, blue);
  EXPECT_TRUE(PixelIs(picture, 8, 8, {0, 0, 255}));
  EXPECT_TRUE(PixelIs(picture, 11, 11, {0, 0, 255}));
  EXPECT_TRUE(PixelIs(picture, 3, 3, {0, 0, 0}));
  EXPECT_TRUE(PixelIs(picture, 13, 8, {0, 0, 0}));

  // A diagonal outline is closed for the fill, which moves only up, down, left and right.
  picture.fill(qRgb(0, 0, 0));
  DrawLine(picture, {0, 10}, {10, 0}, blue);
  FloodFillBoundedByColour(picture, {0, 0}, blue);
  EXPECT_TRUE(PixelIs(picture, 19, 19, {0, 0, 0}));
}

}  // namespace
}  // namespace organsaver
