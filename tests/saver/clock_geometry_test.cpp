#include "saver/clock_geometry.h"

#include <gtest/gtest.h>

#include "saver/clock_texts.h"
#include "saver/organ_rows.h"

namespace organsaver {
namespace {

TEST(FaceLayout, For1024x768) {
  const FaceLayout f = ComputeFaceLayout(768);
  EXPECT_EQ(f.faceRadius, 250);
  EXPECT_EQ(f.numeralPoints, 16);
  EXPECT_EQ(f.organTextPoints, 7);
  EXPECT_EQ(f.dateLinePoints, 25);
  EXPECT_EQ(f.hourHandLength, 125);
  EXPECT_EQ(f.handHalfWidth, 8);
  EXPECT_EQ(f.minuteHandLength, 167);
  EXPECT_EQ(f.discRadius, 29);
  EXPECT_NEAR(f.discDistance, 59.52, 0.005);
  EXPECT_EQ(f.hubRadius, 4);
  EXPECT_NEAR(f.numeralRadius, 250 / 1.0714 - 16, 0.001);
  EXPECT_NEAR(f.secondTipRadiusX, 178.57, 0.01);
  EXPECT_NEAR(f.secondTipRadiusY, 166.67, 0.01);
  EXPECT_NEAR(f.secondTailRadius, 12.5, 1e-6);
}

struct RadiusCase {
  int height;
  int R;
};
class FaceRadius : public ::testing::TestWithParam<RadiusCase> {};

TEST_P(FaceRadius, IsHeightOver3072RoundedHalfToEven) {
  EXPECT_EQ(ComputeFaceLayout(GetParam().height).faceRadius, GetParam().R);
}

// 192 / 3.072 is exactly 62.5 and goes to the even 62.
INSTANTIATE_TEST_SUITE_P(Heights, FaceRadius,
                         ::testing::Values(RadiusCase{768, 250}, RadiusCase{1080, 352},
                                           RadiusCase{2160, 703}, RadiusCase{112, 36}, RadiusCase{192, 62},
                                           RadiusCase{0, 0}));

TEST(FontHeights, PointsBecomePixelsAtTheDisplayDpi) {
  EXPECT_EQ(PixelHeightForPoints(16, 96), 21);
  EXPECT_EQ(PixelHeightForPoints(7, 96), 9);
  EXPECT_EQ(PixelHeightForPoints(25, 96), 33);
  EXPECT_EQ(PixelHeightForPoints(16, 120), 27);
  EXPECT_EQ(PixelHeightForPoints(3, 108), 4);  // 4.5 goes to the even 4
  EXPECT_EQ(PixelHeightForPoints(5, 108), 8);  // 7.5 goes to the even 8
}

TEST(RoundHalfEven, SendsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(-2.5001), -3);
}

struct DialPointCase {
  int centre;
  float radius;
  int angle;
  int x, y;  // the point expected
};
class DialPointForms : public ::testing::TestWithParam<DialPointCase> {};

TEST_P(DialPointForms, CosineForXSineForY) {
  const DialPointCase& c = GetParam();
  EXPECT_EQ(DialPointX(c.centre, c.radius, c.angle), c.x);
  EXPECT_EQ(DialPointY(c.centre, c.radius, c.angle), c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Points, DialPointForms,
    ::testing::Values(DialPointCase{100, 125, 0, 225, 100},    // 3 o'clock
                      DialPointCase{100, 125, 90, 100, 225},   // 6 o'clock: y grows downward
                      DialPointCase{100, 125, 270, 100, -25},  // 12 o'clock
                      DialPointCase{100, 125, -90, 100, -25}, DialPointCase{100, 125, 180, -25, 100},
                      DialPointCase{0, 2.5f, 0, 2, 0},  // halves to even
                      DialPointCase{0, 3.5f, 0, 4, 0}, DialPointCase{0, 2.5f, 180, -2, 0},
                      DialPointCase{0, 100, 45, 71, 71}, DialPointCase{0, 100, 60, 50, 87}));

struct HandCase {
  const char* name;
  int hour, minute, second;
  HandAngles angles;
};
class HandAngleTable : public ::testing::TestWithParam<HandCase> {};

TEST_P(HandAngleTable, FromTheLocalTime) {
  const HandCase& c = GetParam();
  EXPECT_EQ(ComputeHandAngles(c.hour, c.minute, c.second), c.angles);
}

INSTANTIATE_TEST_SUITE_P(
    Times, HandAngleTable,
    ::testing::Values(HandCase{"ThreeOClockPointsRight", 3, 0, 0, {0, 270, 270}},
                      HandCase{"NoonAllUp", 12, 0, 0, {270, 270, 270}},
                      HandCase{"MidnightHourStaysMinus90", 0, 0, 0, {-90, 270, 270}},
                      HandCase{"HalfPastOneAddsOnlyOnce", 1, 30, 0, {-45, 90, 270}},
                      HandCase{"SixOClock", 6, 0, 0, {90, 270, 270}},
                      HandCase{"JustBeforeNoonTruncatesTowardZero", 11, 59, 59, {270, 264, 264}},
                      HandCase{"AfternoonHalfMinute", 15, 0, 30, {0, 270, 90}},
                      HandCase{"OneDegreeEveryTwoMinutes", 15, 1, 59, {0, 276, 264}},
                      HandCase{"TwoMinutesPastThree", 15, 2, 0, {1, 282, 270}},
                      HandCase{"LastSecondOfTheDay", 23, 59, 59, {269, 264, 264}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HandTriangle, For1024x768) {
  struct Case {
    const char* name;
    int length, angle;
    DialPoint tip, back, corner1, corner2;
  };
  for (const Case& c : {Case{"AtThreeOClock", 125, 0, {637, 384}, {504, 384}, {504, 376}, {504, 392}},
                        Case{"PointingUp", 167, 270, {512, 217}, {512, 392}, {504, 392}, {520, 392}}}) {
    SCOPED_TRACE(c.name);
    const HandTriangle hand = ComputeHandTriangle({512, 384}, 8, c.length, c.angle);
    EXPECT_EQ(hand.tip, c.tip);
    EXPECT_EQ(hand.back, c.back);
    EXPECT_EQ(hand.corner1, c.corner1);
    EXPECT_EQ(hand.corner2, c.corner2);
  }
}

TEST(Numerals, FollowTheTickAngle) {
  EXPECT_EQ(NumeralAtAngle(0), 3);
  EXPECT_EQ(NumeralAtAngle(90), 6);
  EXPECT_EQ(NumeralAtAngle(270), 12);
  EXPECT_EQ(NumeralAtAngle(300), 1);
  EXPECT_EQ(NumeralAtAngle(330), 2);
  EXPECT_EQ(NumeralAtAngle(360), 3);
}

struct OrganCase {
  int hour;
  const char* name;
  const char* period;
};
class OrganTable : public ::testing::TestWithParam<OrganCase> {};

TEST_P(OrganTable, RowOfEveryHour) {
  const OrganRow row = OrganRowForHour(GetParam().hour);
  EXPECT_EQ(row.name, GetParam().name);
  EXPECT_EQ(row.period, GetParam().period);
}

INSTANTIATE_TEST_SUITE_P(
    Hours, OrganTable,
    ::testing::Values(OrganCase{0, "Gallenblase", "23-01 Uhr"}, OrganCase{1, "Leber", "01-03 Uhr"},
                      OrganCase{2, "Leber", "01-03 Uhr"}, OrganCase{3, "Lunge", "03-05 Uhr"},
                      OrganCase{4, "Lunge", "03-05 Uhr"}, OrganCase{5, "Dickdarm", "05-07 Uhr"},
                      OrganCase{6, "Dickdarm", "05-07 Uhr"}, OrganCase{7, "Magen", "07-09 Uhr"},
                      OrganCase{8, "Magen", "07-09 Uhr"}, OrganCase{9, "Pankreas", "09-11 Uhr"},
                      OrganCase{10, "Pankreas", "09-11 Uhr"}, OrganCase{11, "Herz", "11-13 Uhr"},
                      OrganCase{12, "Herz", "11-13 Uhr"}, OrganCase{13, "D\u00fcnndarm", "13-15 Uhr"},
                      OrganCase{14, "D\u00fcnndarm", "13-15 Uhr"}, OrganCase{15, "Blase", "15-17 Uhr"},
                      OrganCase{16, "Blase", "15-17 Uhr"}, OrganCase{17, "Nieren", "17-19 Uhr"},
                      OrganCase{18, "Nieren", "17-19 Uhr"}, OrganCase{19, "Pericard", "19-21 Uhr"},
                      OrganCase{20, "Pericard", "19-21 Uhr"}, OrganCase{21, "3 Erw\u00e4rmer", "21-23 Uhr"},
                      OrganCase{22, "3 Erw\u00e4rmer", "21-23 Uhr"},
                      OrganCase{23, "Gallenblase", "23-01 Uhr"}),
    [](const auto& info) { return "Hour" + std::to_string(info.param.hour); });

LocalTime Day(int weekday, int day, int hour, int minute = 0) {
  LocalTime t;
  t.year = 2026;
  t.month = 12;
  t.day = day;
  t.dayOfWeek = weekday;
  t.hour = hour;
  t.minute = minute;
  return t;
}

TEST(ClockTexts, RefreshOnlyWhenTheHourChanges) {
  ClockTexts texts;
  RefreshClockTexts(texts, Day(6, 5, 23, 59));
  EXPECT_EQ(texts.organName, "Gallenblase");
  EXPECT_EQ(texts.dateLine, "Sa. 05.12.2026");
  EXPECT_EQ(texts.lastRefreshHour, 23);

  // Same hour: nothing is read again, even if the clock was set to another day.
  RefreshClockTexts(texts, Day(0, 6, 23, 0));
  EXPECT_EQ(texts.dateLine, "Sa. 05.12.2026");

  // Midnight: the date line turns, the organ stays Gallenblase.
  RefreshClockTexts(texts, Day(0, 6, 0));
  EXPECT_EQ(texts.organName, "Gallenblase");
  EXPECT_EQ(texts.organPeriod, "23-01 Uhr");
  EXPECT_EQ(texts.weekdayText, "So. ");
  EXPECT_EQ(texts.dateLine, "So. 06.12.2026");

  RefreshClockTexts(texts, Day(0, 6, 3));
  EXPECT_EQ(texts.organName, "Lunge");
  EXPECT_EQ(texts.organPeriod, "03-05 Uhr");
}

TEST(ClockTexts, WeekdaysAndDateText) {
  const char* labels[] = {"So. ", "Mo. ", "Di. ", "Mi. ", "Do. ", "Fr. ", "Sa. "};
  for (int d = 0; d < 7; ++d) EXPECT_EQ(WeekdayLabel(d), labels[d]);
  EXPECT_EQ(FormatDateText(6, 12, 2026), "06.12.2026");
  EXPECT_EQ(FormatDateText(31, 1, 987), "31.01.0987");
}

TEST(ClockTexts, PreviewKeepsGallenblase) {
  const ClockTexts texts = PreviewClockTexts();
  EXPECT_EQ(texts.organName, "Gallenblase");
  EXPECT_EQ(texts.organPeriod, "23-01 Uhr");
  EXPECT_TRUE(texts.dateLine.empty());
}

}  // namespace
}  // namespace organsaver
