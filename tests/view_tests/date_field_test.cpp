#include <gtest/gtest.h>

#include "platform/controls.h"
#include "platform/testing/test_probes.h"
#include "shell/state/identifiers.h"
#include "tests/support/program_fixture.h"

namespace {

// A control of the test's own, beside the program's controls.
constexpr int kTestDateField = 900;

class DateFieldTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    CopyDeliveredFiles();
  }
};

TEST_F(DateFieldTest, NewFieldShowsTodayOfTheLocalClock) {
  SetTime(2031, 2, 28, 23, 59, 59);
  Start();
  ASSERT_TRUE(platform::CreateControl(kMainWindow, kTestDateField, platform::ControlKind::DateField, 0, 0,
                                      100, 20));
  EXPECT_EQ(platform::DateFieldDate(kTestDateField), (platform::Date{2031, 2, 28}));
  EXPECT_EQ(platform::ControlText(kTestDateField), "28.02.2031");
}

}  // namespace
