#include <gtest/gtest.h>

#include "platform/caret_rest.h"
#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "shell/state/identifiers.h"
#include "tests/support/program_fixture.h"

namespace {

using std::chrono::seconds;
using std::chrono::steady_clock;

class CaretRestTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    CopyDeliveredFiles();
    SetTime(2026, 12, 7, 10, 20);
    Start();
    restedAtStart_ = !platform::CaretBlinks();
    platform::PressKeyIn(kCtlOrganText, 'a');  // input: the caret blinks
  }
  bool restedAtStart_ = false;
};

TEST_F(CaretRestTest, RestsFromTheStartUntilTheFirstInput) {
  EXPECT_TRUE(restedAtStart_);
  EXPECT_TRUE(platform::CaretBlinks());
}

TEST_F(CaretRestTest, BlinksWhileTheUserIsAtWorkAndRestsAfterTenQuietSeconds) {
  EXPECT_TRUE(platform::CaretBlinks());
  platform::RestCaretIfIdle(steady_clock::now() + seconds(9));
  EXPECT_TRUE(platform::CaretBlinks());
  platform::RestCaretIfIdle(steady_clock::now() + seconds(11));
  EXPECT_FALSE(platform::CaretBlinks());
  Pass();  // the main loop keeps it resting
  EXPECT_FALSE(platform::CaretBlinks());
}

TEST_F(CaretRestTest, NextKeyPressMakesItBlinkAgainAndStartsTheQuietTimeAnew) {
  platform::RestCaretIfIdle(steady_clock::now() + seconds(11));
  ASSERT_FALSE(platform::CaretBlinks());
  platform::PressKeyIn(kCtlOrganText, 'b');
  EXPECT_TRUE(platform::CaretBlinks());
  platform::RestCaretIfIdle(steady_clock::now() + seconds(5));
  EXPECT_TRUE(platform::CaretBlinks());
}

}  // namespace
