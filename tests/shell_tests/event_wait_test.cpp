// The main loop sleeps until the next second boundary; whatever it must act on ends
// the sleep at once instead.
#include <csignal>

#include "platform/application.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/media_commands.h"
#include "platform/single_instance.h"
#include "platform/testing/ui_driver.h"
#include "shell/program.h"
#include "shell/state/identifiers.h"
#include "tests/support/program_fixture.h"

namespace {

class EventWaitTest : public ProgramTest {
 protected:
  // Nothing left over (the start-up chime, its end) may end the next wait instead.
  static void Settle() {
    platform::SendMediaCommand("close all");
    platform::Event ignored;
    while (platform::WaitEvent(0, ignored) != platform::WaitEnd::TimedOut) {
    }
  }
};

TEST_F(EventWaitTest, AWindowEventASignalAndARaiseRequestEachEndTheWait) {
  Start();
  platform::Event event;
  Settle();
  ASSERT_EQ(platform::WaitEvent(1, event), platform::WaitEnd::TimedOut) << "nothing else wakes it";

  platform::PostWindowCloseRequest(kSmallWindow);
  ASSERT_EQ(platform::WaitEvent(1000, event), platform::WaitEnd::Event);
  EXPECT_EQ(event.kind, platform::EventKind::Close);
  EXPECT_EQ(event.window, kSmallWindow);

  Settle();
  std::raise(SIGTERM);
  EXPECT_EQ(platform::WaitEvent(1000, event), platform::WaitEnd::Woken);
  EXPECT_TRUE(platform::TerminationRequested());
  platform::ClearTerminationRequest();

  Settle();
  ASSERT_TRUE(platform::ClaimSingleInstance());
  ASSERT_FALSE(platform::ClaimSingleInstance()) << "a second start asks the first to come forward";
  EXPECT_EQ(platform::WaitEvent(1000, event), platform::WaitEnd::Woken);
  EXPECT_TRUE(platform::TakeRaiseRequest());
}

TEST(EventWaitDeadline, EndsJustAfterTheNextSecondBoundary) {
  platform::LocalTime t = platform::MakeLocalTime(2026, 12, 7, 14, 59, 59);
  for (int ms : {0, 1, 250, 998, 999}) {
    t.millisecond = ms;
    const int end = ms + MillisecondsToNextSecond(t);
    EXPECT_GT(end, 1000) << "the pass after the wait must read the next second";
    EXPECT_LE(end, 1000 + kSecondGraceMs) << "and come no later than it must";
  }
}

}  // namespace
