#include "platform/controls.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "tests/support/program_fixture.h"

namespace {

class MainLoopTest : public ProgramTest {};

constexpr platform::Rgb kRed{255, 0, 0};

TEST_F(MainLoopTest, DateLinesFollowMidnightIntoSundayAndOut) {
  SetTime(2026, 12, 12, 23, 59, 58);  // Saturday
  Start();
  const platform::Rgb normal = platform::ControlTextColour(kCtlMainDate);
  EXPECT_EQ(platform::ControlText(kCtlMainDate), "Sa. 12.12.2026");
  EXPECT_NE(normal, kRed);
  AdvanceSeconds(3);
  EXPECT_EQ(platform::ControlText(kCtlMainDate), "So. 13.12.2026");
  EXPECT_EQ(platform::ControlText(kCtlSmallDate), "So. 13.12.2026");
  EXPECT_EQ(platform::ControlTextColour(kCtlMainDate), kRed);
  const platform::Rgb smallColour = platform::ControlTextColour(kCtlSmallDate);
  EXPECT_NE(smallColour, kRed);
  AdvanceMinutes(24 * 60);
  EXPECT_EQ(platform::ControlText(kCtlMainDate), "Mo. 14.12.2026");
  EXPECT_EQ(platform::ControlTextColour(kCtlMainDate), normal);
  EXPECT_EQ(platform::ControlTextColour(kCtlSmallDate), smallColour);
}

TEST_F(MainLoopTest, FirstPassSetsDateWeekdayAndOrgan) {
  SetTime(2026, 12, 7, 14, 37);
  Start();
  EXPECT_EQ(App().lastDate, "07.12.2026");
  EXPECT_EQ(App().weekdayLabel, "Mo. ");
  EXPECT_EQ(App().lastHour, 14);
  EXPECT_EQ(App().lastMinute, 37);
  EXPECT_EQ(App().shownOrgan, 6);
}

TEST_F(MainLoopTest, OrganChangesAtOddHoursAndIsShownAgainAtEvenOnes) {
  SetTime(2026, 12, 7, 0, 59, 59);
  Start();
  EXPECT_EQ(App().shownOrgan, 11);
  AdvanceSeconds(1);
  EXPECT_EQ(App().shownOrgan, 12);
  platform::SetControlText(kCtlMainPeriod, "x");
  AdvanceMinutes(60);  // 02:00: same organ, shown again
  EXPECT_EQ(App().shownOrgan, 12);
  EXPECT_EQ(platform::ControlText(kCtlMainPeriod), "Leber 01:00 - 03:00 Uhr");
  SetTime(2026, 12, 7, 22, 59, 59);
  AdvanceSeconds(1);
  EXPECT_EQ(App().shownOrgan, 11);
}

TEST_F(MainLoopTest, BusyFlagHoldsBackTheHourAndDoesNotCatchUpLater) {
  SetTime(2026, 12, 7, 8, 58);
  Start();
  EXPECT_EQ(App().shownOrgan, 3);
  App().editor = EditorState::Entering;
  AdvanceMinutes(3);  // 09:01
  EXPECT_EQ(App().shownOrgan, 3);
  EXPECT_EQ(App().lastHour, 9);
  App().editor = EditorState::Closed;
  AdvanceMinutes(1);
  EXPECT_EQ(App().shownOrgan, 3) << "the skipped hour step is not repeated";
  AdvanceMinutes(60);
  EXPECT_EQ(App().shownOrgan, 4);
}

TEST_F(MainLoopTest, BusyFlagStillUpdatesTheDateLines) {
  SetTime(2026, 12, 7, 23, 59);
  Start();
  App().editor = EditorState::Entering;
  AdvanceMinutes(1);
  EXPECT_EQ(platform::ControlText(kCtlMainDate), "Di. 08.12.2026");
  EXPECT_EQ(App().shownOrgan, 11);
}

}  // namespace
