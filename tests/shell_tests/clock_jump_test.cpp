// The clock going back (an NTP correction, a manual change) and jumping ahead (a
// resume from suspend), driven by the scripted clock.
#include <algorithm>
#include <array>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/media_commands.h"
#include "platform/sounds.h"
#include "platform/testing/test_probes.h"
#include "platform/windows.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "tests/appointment_tests/appointment_test_support.h"

namespace {

class ClockJumpTest : public AppointmentProgramTest {
 protected:
  // Sets the clock to that time of December 2026 and runs the passes that follow.
  void At(int day, int hour, int minute) {
    SetTime(2026, 12, day, hour, minute);
    Pass();
    Drain();
  }
  static int Chimes() {
    const auto& sent = platform::SentMediaCommands();
    return static_cast<int>(std::count(sent.begin(), sent.end(), std::string("play MP3_16 from 0")));
  }
};

TEST_F(ClockJumpTest, ChimeOnlyWhenAFullHourIsReachedGoingForward) {
  SetTime(2026, 12, 7, 10, 58);
  Start();
  At(7, 11, 2);
  EXPECT_EQ(App().shownOrgan, 5);
  const int chimes = Chimes();
  At(7, 10, 40);  // the clock is set back into the previous hour
  EXPECT_EQ(Chimes(), chimes) << "no chime in the middle of an hour";
  EXPECT_EQ(App().shownOrgan, 4) << "the organ still follows the clock";
  At(7, 11, 0);
  EXPECT_EQ(Chimes(), chimes) << "11:00 has chimed already";
  EXPECT_EQ(App().shownOrgan, 5);
  At(7, 12, 0);
  EXPECT_EQ(Chimes(), chimes + 1);
  At(7, 15, 0);  // a resume from suspend
  EXPECT_EQ(Chimes(), chimes + 2);
}

// A message box of the hour step (here: the new organ's text is missing) may stay open
// into the next hour. The whole pass belongs to the moment it began with, so the hour
// reached while the box was open still chimes on the pass after.
TEST_F(ClockJumpTest, AnHourReachedDuringABoxOfThePassStillChimes) {
  SetTime(2026, 12, 7, 12, 58);
  Start();
  std::filesystem::remove(Dir() / "org6.dat");  // the organ of 13:00 and of 14:00
  std::vector<std::string> boxes;
  platform::SetMessageBoxResponder([&](const platform::MessageBoxRecord& box) {
    boxes.push_back(platform::Utf8(box.text));
    if (boxes.size() == 1) SetTime(2026, 12, 7, 14, 0, 5);  // the user reads slowly
    return platform::MessageAnswer::Ok;
  });
  const int chimes = Chimes();
  SetTime(2026, 12, 7, 13, 0);
  Pass();
  Pass();
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.front(), "Organtext Org6.dat nicht gefunden!");
  EXPECT_EQ(Chimes(), chimes + 2) << "13:00 and 14:00";
}

// Where the program starts, where the clock goes (the appointment window is closed
// before each move), and which record the appointment window shows at the end.
struct JumpCase {
  const char* name;
  int startHour, startMinute;
  std::vector<std::array<int, 3>> moves;  // day, hour, minute
  const char* shown;                      // nullptr: no window
  int announcements;                      // reminder sounds in all
  friend void PrintTo(const JumpCase& c, std::ostream* out) { *out << c.name; }
};

class ReminderJumpTest : public ClockJumpTest, public ::testing::WithParamInterface<JumpCase> {};

TEST_P(ReminderJumpTest, EachReminderOnceAndNoneLost) {
  const JumpCase& c = GetParam();
  StartWith({Record("07.12.2026", 12, 15, 1, W("Früh")), Record("07.12.2026", 13, 45, 1, W("Spät")),
             Record("07.12.2026", 15, 30, 1, "Physio")},
            2026, 12, 7, c.startHour, c.startMinute);
  ASSERT_FALSE(platform::WindowExists(kAppointmentWindow));
  const int sounds = platform::SoundPlayCount(kSoundReminder);
  for (const auto& [day, hour, minute] : c.moves) {
    if (platform::WindowExists(kAppointmentWindow)) CloseWindow();
    At(day, hour, minute);
  }
  EXPECT_EQ(platform::SoundPlayCount(kSoundReminder), sounds + c.announcements);
  if (!c.shown) {
    EXPECT_FALSE(platform::WindowExists(kAppointmentWindow));
    return;
  }
  ASSERT_TRUE(platform::WindowExists(kAppointmentWindow));
  EXPECT_EQ(platform::ControlText(kCtlAppointmentText), W(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReminderJumpTest,
    ::testing::Values(
        // The 14:30 reminder of Physio was given; the clock goes back five minutes.
        JumpCase{
            "BackDoesNotRepeatACheckedMinute", 14, 29, {{7, 14, 30}, {7, 14, 25}, {7, 14, 30}}, nullptr, 1},
        // Suspended at 10:30, woken at 14:30: the same minute of a later hour. What fell
        // due while asleep comes first (one announcement), then Physio, due now.
        JumpCase{"ResumeAtTheSameMinuteOfALaterHour", 10, 30, {{7, 14, 30}}, "Physio", 2},
        // Asleep from 11:00 to 14:00: Früh fell due at 11:15, 12:15 and 13:15, Spät at
        // 12:45 and 13:45; each comes once, and the window shows Spät.
        JumpCase{"MissedRemindersComeOnceLate", 11, 0, {{7, 14, 0}}, "Spät", 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
