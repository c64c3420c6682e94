#include "saver/dial_motion.h"

#include <gtest/gtest.h>

#include <cmath>

#include "saver/frame_pacing.h"

namespace organsaver {
namespace {

constexpr int kW = 1024;
constexpr int kH = 768;
constexpr int kR = 250;

// A bounce speed is 1 + r / 100 with a whole r from 0 to 100.
::testing::AssertionResult IsBounceSpeed(float speed) {
  const float hundredths = std::abs(speed) * 100.0f;
  if (std::abs(speed) < 1.0f - 1e-6f || std::abs(speed) > 2.0f + 1e-6f)
    return ::testing::AssertionFailure() << speed << " is outside 1.00 to 2.00";
  if (std::abs(hundredths - std::round(hundredths)) > 1e-3f)
    return ::testing::AssertionFailure() << speed << " is no step of 0.01";
  return ::testing::AssertionSuccess();
}

TEST(DialMotion, StartsInTheMiddleMovingRightAndDown) {
  DialMotion motion = StartDialMotion(1023, 767, 1);
  EXPECT_FLOAT_EQ(motion.centreX, 511.5f);
  EXPECT_FLOAT_EQ(motion.centreY, 383.5f);
  MoveDial(motion, 1023, 767, kR);
  EXPECT_FLOAT_EQ(motion.centreX, 512.5f);
  EXPECT_FLOAT_EQ(motion.centreY, 384.5f);
  EXPECT_FLOAT_EQ(motion.speedX, 1.0f);
  EXPECT_FLOAT_EQ(motion.speedY, 1.0f);
}

struct EdgeCase {
  const char* name;
  float x, y, speedX, speedY;
  float expectedX, expectedY;
  int bouncedSpeedX;  // sign of the new speed, 0 when it keeps the old one
  int bouncedSpeedY;
};
class DialEdges : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(DialEdges, PutBackOnTheLimitWithANewSpeed) {
  const EdgeCase& c = GetParam();
  DialMotion motion = StartDialMotion(kW, kH, 99);
  motion.centreX = c.x;
  motion.centreY = c.y;
  motion.speedX = c.speedX;
  motion.speedY = c.speedY;
  MoveDial(motion, kW, kH, kR);
  EXPECT_FLOAT_EQ(motion.centreX, c.expectedX);
  EXPECT_FLOAT_EQ(motion.centreY, c.expectedY);
  if (c.bouncedSpeedX == 0) {
    EXPECT_FLOAT_EQ(motion.speedX, c.speedX);
  } else {
    EXPECT_TRUE(IsBounceSpeed(motion.speedX));
    EXPECT_EQ(motion.speedX > 0 ? 1 : -1, c.bouncedSpeedX);
  }
  if (c.bouncedSpeedY == 0) {
    EXPECT_FLOAT_EQ(motion.speedY, c.speedY);
  } else {
    EXPECT_TRUE(IsBounceSpeed(motion.speedY));
    EXPECT_EQ(motion.speedY > 0 ? 1 : -1, c.bouncedSpeedY);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, DialEdges,
    ::testing::Values(EdgeCase{"Inside", 500, 400, 1.5f, -1.25f, 501.5f, 398.75f, 0, 0},
                      EdgeCase{"JustBeforeRight", 772.5f, 400, 1, 1, 773.5f, 401, 0, 0},
                      EdgeCase{"ReachesRight", 773.5f, 400, 1, 1, 774, 401, -1, 0},
                      EdgeCase{"PassesRight", 773.5f, 400, 1.99f, 1, 774, 401, -1, 0},
                      EdgeCase{"ReachesLeft", 250.5f, 400, -1, 1, 250, 401, 1, 0},
                      EdgeCase{"PassesLeft", 251, 400, -2, 1, 250, 401, 1, 0},
                      EdgeCase{"ReachesBottom", 500, 517.5f, 1, 1, 501, 518, 0, -1},
                      EdgeCase{"ReachesTop", 500, 250.5f, 1, -1, 501, 250, 0, 1},
                      EdgeCase{"Corner", 773.5f, 517.5f, 1, 1, 774, 518, -1, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DialMotion, FaceWiderThanTheScreenEndsOnTheNearEdge) {
  // Far edge first, then the near one: both fire, the near one wins.
  DialMotion motion = StartDialMotion(300, 768, 5);
  MoveDial(motion, 300, 768, kR);
  EXPECT_FLOAT_EQ(motion.centreX, 250.0f);
  EXPECT_GT(motion.speedX, 0.0f);
}

TEST(DialMotion, BounceRandomCoversZeroToHundredInclusive) {
  DialMotion motion = StartDialMotion(kW, kH, 2024);
  int lowest = 1000, highest = -1000;
  for (int i = 0; i < 20000; ++i) {
    const int r = NextBounceRandom(motion);
    lowest = std::min(lowest, r);
    highest = std::max(highest, r);
  }
  EXPECT_EQ(lowest, 0);
  EXPECT_EQ(highest, 100);
}

TEST(DialMotion, LongRunStaysWithinTheLimits) {
  DialMotion motion = StartDialMotion(kW, kH, 7);
  for (int frame = 0; frame < 100000; ++frame) {
    MoveDial(motion, kW, kH, kR);
    ASSERT_GE(motion.centreX, kR);
    ASSERT_LE(motion.centreX, kW - kR);
    ASSERT_GE(motion.centreY, kR);
    ASSERT_LE(motion.centreY, kH - kR);
  }
}

using namespace std::chrono_literals;

struct RateCase {
  double hz;
  std::chrono::nanoseconds period;
};
class FramePeriod : public ::testing::TestWithParam<RateCase> {};

TEST_P(FramePeriod, FollowsTheRefreshRate) {
  EXPECT_EQ(StartFramePacer(GetParam().hz).period, GetParam().period);
}

INSTANTIATE_TEST_SUITE_P(Rates, FramePeriod,
                         ::testing::Values(RateCase{60.0, 16666667ns}, RateCase{144.0, 6944444ns},
                                           RateCase{59.95, 16680567ns}, RateCase{0.0, 16666667ns},
                                           RateCase{-1.0, 16666667ns}, RateCase{NAN, 16666667ns},
                                           RateCase{1e9, 16666667ns}));

TEST(FramePacer, DeadlinesDoNotDriftAndDoNotCatchUpAfterAStall) {
  FramePacer pacer = StartFramePacer(50.0);  // 20 ms
  const SteadyTime t0{};
  EXPECT_EQ(NextFrameDue(pacer, t0), t0 + 20ms);
  // A frame that began 3 ms late still aims at the regular beat.
  EXPECT_EQ(NextFrameDue(pacer, t0 + 23ms), t0 + 40ms);
  // After a long stall the next frame may start at once, then the beat resumes.
  EXPECT_EQ(NextFrameDue(pacer, t0 + 500ms), t0 + 500ms);
  EXPECT_EQ(NextFrameDue(pacer, t0 + 501ms), t0 + 520ms);
}

}  // namespace
}  // namespace organsaver
