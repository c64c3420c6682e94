// Eight simulated days of organclock, minute by minute, with reminders, chimes, date
// changes, both daylight-saving changes and clock jumps as after a suspend: every
// change of the hour chimes exactly once while nobody is busy, no reminder comes twice
// in one minute, and memory stays flat.
#include <algorithm>
#include <fstream>
#include <string>

#include "appointments/appointment_file.h"
#include "platform/clock.h"
#include "platform/media_commands.h"
#include "platform/menus.h"
#include "platform/sounds.h"
#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "shell/state/app_state.h"
#include "shell/state/appointment.h"
#include "shell/state/identifiers.h"
#include "shell/state/settings.h"
#include "tests/support/program_fixture.h"
#include "tests/support/resident_memory.h"

namespace {

int ChimePlays() {
  int plays = 0;
  for (const auto& command : platform::SentMediaCommands())
    if (command == "play MP3_16 from 0") ++plays;
  return plays;
}

class SoakTest : public ProgramTest {
 protected:
  // One step of the scripted clock: a minute, or a jump. Checks what the pass did.
  void Step(const platform::LocalTime& next) {
    const bool busy = IsBusy();
    const int chimesBefore = ChimePlays();
    const int remindersBefore = platform::SoundPlayCount(kSoundReminder);
    SetTime(next.year, next.month, next.day, next.hour, next.minute, next.second);
    Pass();
    // A full hour chimes when time reaches it going forward: not when the clock is set
    // back into an hour, not a second time, but after a resume at the same hour of a
    // later day.
    const long long reached = platform::MinuteNumber(next);
    const bool fullHourReached = reached - next.minute > latest_;
    latest_ = std::max(latest_, reached);
    const int expectedChimes = (fullHourReached && !busy) ? 1 : 0;
    ASSERT_EQ(ChimePlays() - chimesBefore, expectedChimes)
        << "at " << next.day << "." << next.month << ". " << next.hour << ":" << next.minute;
    ASSERT_LE(platform::SoundPlayCount(kSoundReminder) - remindersBefore, 2)
        << "a day reminder and an hour reminder at most in one pass";
    reminders_ += platform::SoundPlayCount(kSoundReminder) - remindersBefore;
    // A second pass in the same minute announces nothing and chimes nothing.
    const int remindersNow = platform::SoundPlayCount(kSoundReminder);
    Pass();
    ASSERT_EQ(platform::SoundPlayCount(kSoundReminder), remindersNow);
    ASSERT_EQ(ChimePlays() - chimesBefore, expectedChimes);
  }
  void Minute() { Step(platform::AddSeconds(Time(), 60)); }
  // The wall clock jumps to a given time of the same or another day.
  void JumpTo(int day, int hour, int minute) {
    Step(platform::MakeLocalTime(Time().year, Time().month, day, hour, minute));
  }
  void RunUntil(int day, int hour, int minute) {
    while (!(Time().day == day && Time().hour == hour && Time().minute == minute)) Minute();
  }

  int reminders_ = 0;
  long long latest_ = 0;  // the latest minute the clock has reached going forward
};

TEST_F(SoakTest, EightDaysStayCorrectAndFlat) {
  Settings s = DefaultSettings();
  s.viewInterval = ViewInterval::Minutes(5);
  AppointmentList list = {Appointment{"08.12.2026", 15, 30, ReminderKind::Hour, "Zahnarzt"},
                          Appointment{"09.12.2026", 8, 0, ReminderKind::Day, "Geburtstag Anna"},
                          Appointment{"10.12.2026", 0, 15, ReminderKind::Hour, "Nachtschicht"},
                          Appointment{"12.12.2026", 18, 45, ReminderKind::Hour, "Konzert"},
                          Appointment{"14.12.2026", 9, 0, ReminderKind::None, "ohne Erinnerung"}};
  WriteFile("Term.dat", EncodeAppointments(list));
  PrepareEarlierRun(EncodeSettings(s));
  SetTime(2026, 12, 7, 0, 0);
  Start();
  latest_ = platform::MinuteNumber(Time());
  platform::ClearSentMediaCommands();

  RunUntil(8, 8, 50);
  // An organ text edited across 09:00: no chime, none later.
  platform::TriggerMenuItem(kMainMenu, kCmdFirstOrganEdit);
  Drain();
  ASSERT_TRUE(IsBusy());
  RunUntil(8, 9, 10);
  platform::TriggerMenuItem(kMainMenu, kCmdCancelOrganText);
  Drain();
  ASSERT_FALSE(IsBusy());
  const long residentAfterWarmUp = ResidentKilobytes();

  // Spring forward: 01:59 is followed by 03:00.
  RunUntil(9, 1, 59);
  JumpTo(9, 3, 0);
  // Fall back: 02:59 is followed by 02:00 once more; the hour value does not change.
  RunUntil(11, 2, 59);
  JumpTo(11, 2, 0);
  // Back by two hours (no chime until 15:00), and forward by a day, as a suspended
  // machine wakes up (a chime, though the hour is the same).
  RunUntil(12, 14, 30);
  JumpTo(12, 12, 30);
  RunUntil(13, 10, 0);
  JumpTo(14, 10, 0);
  RunUntil(15, 0, 0);

  EXPECT_EQ(App().lastDate, "15.12.2026");
  EXPECT_GE(reminders_, 10) << "the hour and day reminders came";
  const long growth = ResidentKilobytes() - residentAfterWarmUp;
#if defined(__SANITIZE_ADDRESS__)
  // AddressSanitizer holds freed memory in quarantine; resident size says nothing then.
  (void)growth;
#else
  EXPECT_LT(growth, 4096) << "resident memory grew by " << growth << " KiB";
#endif
}

}  // namespace
