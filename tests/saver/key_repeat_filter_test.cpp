// Release and press pairs of a held key against real releases.
#include <gtest/gtest.h>

#include "platform/saver/key_repeat_filter.h"

namespace organsaver {
namespace {

TEST(KeyRepeatFilter, RepeatPairsOfAHeldKeyAreNoRelease) {
  KeyRepeatFilter filter;
  EXPECT_TRUE(filter.Press(38, 1000).newPress);
  // The repeat: release and press of the same key with the same time stamp.
  // Each press reaches us a few passes and milliseconds after its release, as on a
  // busy machine.
  for (uint64_t time : {1660u, 1700u, 1740u}) {
    EXPECT_FALSE(filter.Release(38, time, time));
    EXPECT_FALSE(filter.EndOfPass(time));  // the pass the release came in
    EXPECT_FALSE(filter.EndOfPass(time + 5));
    EXPECT_FALSE(filter.EndOfPass(time + 30));
    const auto press = filter.Press(38, time);
    EXPECT_FALSE(press.realReleaseBefore);
    EXPECT_FALSE(press.newPress);
    EXPECT_FALSE(filter.EndOfPass(time + 31));
    EXPECT_FALSE(filter.EndOfPass(time + 500));
  }
  // The real release: no press follows through a whole further pass and the grace.
  EXPECT_FALSE(filter.Release(38, 3000, 3000));
  EXPECT_FALSE(filter.EndOfPass(3000));
  EXPECT_FALSE(filter.EndOfPass(3000 + kRepeatPressGraceMs - 1));
  EXPECT_TRUE(filter.EndOfPass(3000 + kRepeatPressGraceMs));
  EXPECT_FALSE(filter.EndOfPass(3000 + kRepeatPressGraceMs + 1));  // reported once
}

TEST(KeyRepeatFilter, ReleaseFollowedByAnotherPressOrTimeOrInputIsReal) {
  KeyRepeatFilter filter;
  filter.Release(38, 500, 500);
  const auto otherKey = filter.Press(39, 500);
  EXPECT_TRUE(otherKey.realReleaseBefore);
  EXPECT_TRUE(otherKey.newPress);

  filter.Release(39, 600, 600);
  const auto later = filter.Press(39, 601);
  EXPECT_TRUE(later.realReleaseBefore);
  EXPECT_TRUE(later.newPress);

  filter.Release(39, 700, 700);
  EXPECT_TRUE(filter.Release(40, 700, 700));  // the first one was real
  EXPECT_TRUE(filter.OtherEvent());           // a click after the second
  EXPECT_FALSE(filter.ReleaseWaiting());
  EXPECT_FALSE(filter.OtherEvent());
}

}  // namespace
}  // namespace organsaver
