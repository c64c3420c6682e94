// The face drawn once and moved must give on the screen, pixel for pixel, the
// frame drawn whole: at odd and even positions, at half-pixel centres (where the
// date line's rounding differs from the centre's), and after the texts and the
// second change under the same set of face pictures.

#include <gtest/gtest.h>

#include <QPainter>
#include <vector>

#include "saver/face_picture.h"
#include "saver/pixel_drawing.h"
#include "tests/saver/saver_test_support.h"

namespace organsaver {
namespace {

using test::At;

struct Place {
  float x;
  float y;
};

struct ScreenCase {
  const char* name;
  int width;
  int height;
  std::vector<Place> places;
};

class MovedFace : public ::testing::TestWithParam<ScreenCase> {};

// What the screen shows after the face was placed on the background.
QImage Composed(const PlacedFace& face, int width, int height, Rgb background) {
  QImage screen(width, height, QImage::Format_RGB32);
  screen.fill(ToQRgb(background));
  QPainter(&screen).drawImage(face.at.x, face.at.y, *face.picture);
  return screen;
}

TEST_P(MovedFace, ShowsTheFrameDrawnWhole) {
  test::EnsureQtApplication();
  const ScreenCase& screen = GetParam();
  ClockDisplay display = SetUpClockDisplay(screen.width, screen.height, FaceStyle::FullScreen, 96, 1);
  FacePictures pictures;
  QImage whole(screen.width, screen.height, QImage::Format_RGB32);
  // Sunday before midnight, Monday at the organ change, and a second later.
  for (const LocalTime& now : {At(23, 59, 59, 6, 12, 2026, 0), At(3, 0, 0, 7, 12, 2026, 1),
                               At(3, 0, 1, 7, 12, 2026, 1), At(14, 37, 12, 7, 12, 2026, 1)}) {
    RefreshClockTexts(display.texts, now);
    for (const Place& place : screen.places) {
      display.motion.centreX = place.x;
      display.motion.centreY = place.y;
      const std::optional<PlacedFace> face = PlaceClockFace(display, pictures, now);
      ASSERT_TRUE(face) << place.x << ", " << place.y;
      DrawClockFrame(display, whole, now);
      EXPECT_EQ(Composed(*face, screen.width, screen.height, display.colours.background), whole)
          << now.hour << ":" << now.minute << ":" << now.second << " at " << place.x << ", " << place.y;
    }
  }
}

// 1024 x 768: R = 250, so the date line lies an odd 125 below the centre; 1920 x
// 1080: R = 352. The face reaches the edges at the bounce positions R and W - R.
INSTANTIATE_TEST_SUITE_P(
    Screens, MovedFace,
    ::testing::Values(ScreenCase{"Xga",
                                 1024,
                                 768,
                                 {{512, 384},
                                  {513, 385},
                                  {512.5f, 384.5f},
                                  {513.5f, 383.5f},
                                  {250, 250},
                                  {774, 518},
                                  {601.37f, 290.62f}}},
                      ScreenCase{
                          "FullHd", 1920, 1080, {{960, 540}, {961.5f, 541.5f}, {352, 352}, {1568, 728}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MovedFace, IsDrawnOncePerSecondInAFewVariants) {
  test::EnsureQtApplication();
  ClockDisplay display = SetUpClockDisplay(1024, 768, FaceStyle::FullScreen, 96, 1);
  RefreshClockTexts(display.texts, At(10, 0, 0));
  FacePictures pictures;
  for (int frame = 0; frame < 60; ++frame) {
    ASSERT_TRUE(PlaceClockFace(display, pictures, At(10, 0, 0)));
    MoveClockDial(display);
  }
  EXPECT_LE(pictures.variants.size(), 4u);  // two parities on each axis
  ASSERT_TRUE(PlaceClockFace(display, pictures, At(10, 0, 1)));
  EXPECT_EQ(pictures.variants.size(), 1u);  // a new second starts anew
}

TEST(MovedFace, NearTheEdgeOfANarrowPictureTheFrameIsDrawnWhole) {
  test::EnsureQtApplication();
  // 300 wide, R = 195: the hands would cross the picture's edge.
  ClockDisplay display = SetUpClockDisplay(300, 600, FaceStyle::FullScreen, 96, 1);
  display.motion.centreX = 195;
  FacePictures pictures;
  EXPECT_FALSE(PlaceClockFace(display, pictures, At(10, 0, 0)));
}

}  // namespace
}  // namespace organsaver
