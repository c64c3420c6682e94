#include <gtest/gtest.h>

#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/sounds.h"
#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "platform/windows.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "tests/appointment_tests/appointment_test_support.h"

namespace {

class ReminderTest : public AppointmentProgramTest {
 protected:
  // 07.12.2026, a Monday.
  void StartAt(int hour, int minute, const AppointmentList& records) {
    StartWith(records, 2026, 12, 7, hour, minute);
  }
  void At(int hour, int minute) {
    SetTime(2026, 12, 7, hour, minute);
    Pass();
    Drain();
  }
  static bool Shown() { return platform::WindowExists(kAppointmentWindow); }
  static std::string Title() { return platform::WindowTitle(kAppointmentWindow); }
  static int Sounds() { return platform::SoundPlayCount(kSoundReminder); }
  void Restart() {
    ReleaseProgram();
    Start();
  }
};

TEST_F(ReminderTest, HourReminderComesFromAnHourBeforeUntilTwentyTwo) {
  StartAt(14, 0, {Record("07.12.2026", 15, 30, 1, "Physio"), Record("08.12.2026", 15, 30, 1, "Morgen")});
  EXPECT_FALSE(Shown());
  At(14, 29);
  EXPECT_FALSE(Shown());
  const int soundsBefore = Sounds();
  At(14, 30);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(Title(), "Termine heute: 07.12.2026");
  EXPECT_FALSE(platform::IsWindowOnTop(kAppointmentWindow));
  EXPECT_EQ(Sounds(), soundsBefore + 1);
  EXPECT_EQ(platform::ControlText(kCtlAppointmentText), "Physio");
  EXPECT_EQ(platform::ControlText(kCtlHourBox), "15");
  EXPECT_EQ(platform::ControlText(kCtlMinuteBox), "30");
  EXPECT_TRUE(platform::IsOptionChecked(kCtlOptionHour));
  EXPECT_EQ(platform::ControlText(kCtlDateField), "07.12.2026");
  for (int c : {44, 45, 46, 47}) EXPECT_FALSE(platform::IsToolButtonEnabled(c)) << c;
  for (int c : {48, 49}) EXPECT_TRUE(platform::IsToolButtonEnabled(c)) << c;
  for (int c : {23, 29, 30, 31, 32, 34, 35, 36}) EXPECT_FALSE(platform::IsControlEnabled(c)) << c;
  EXPECT_FALSE(IsBusy());

  for (int hour = 15; hour <= 23; ++hour) {
    CloseWindow();  // ends only this announcement
    EXPECT_TRUE(TakeBoxes().empty()) << "a reminder holds no input to ask about";
    At(hour, 29);
    EXPECT_FALSE(Shown()) << hour;
    At(hour, 30);
    EXPECT_EQ(Shown(), hour <= 22) << hour;
  }
}

TEST_F(ReminderTest, NotAgainAfterStopRemindingWhichIsWrittenAtOnce) {
  StartAt(14, 0, {Record("07.12.2026", 15, 30, 1, "Physio")});
  At(14, 30);
  ASSERT_TRUE(Shown());
  platform::ClickToolButton(kCmdToolStopReminding);
  Drain();
  EXPECT_FALSE(Shown());
  EXPECT_EQ(App().Appointments[0].ReminderKind, ReminderKind::None);
  ASSERT_EQ(SavedRecords().size(), 1u);
  EXPECT_EQ(SavedRecords()[0].ReminderKind, ReminderKind::None) << "the choice survives a crash";
  At(15, 30);
  EXPECT_FALSE(Shown());
}

TEST_F(ReminderTest, DayReminderAtStartAndAgainAfterARestart) {
  StartAt(12, 0, {Record("07.12.2026", 8, 0, 2, "Geburtstag"), Record("08.12.2026", 8, 0, 2, "Morgen")});
  ASSERT_TRUE(Shown());
  EXPECT_EQ(Title(), "Termine heute: 07.12.2026");
  EXPECT_TRUE(platform::IsWindowOnTop(kAppointmentWindow));
  EXPECT_TRUE(platform::IsOptionChecked(kCtlOptionDay));
  EXPECT_EQ(platform::ControlText(kCtlAppointmentText), "Geburtstag");
  At(13, 0);
  CloseWindow();
  At(14, 0);
  EXPECT_FALSE(Shown()) << "once per day change";

  Restart();
  ASSERT_TRUE(Shown());
  platform::ClickToolButton(kCmdToolStopReminding);
  Drain();
  Restart();
  EXPECT_FALSE(Shown());

  // The next day's record comes when the day begins while the program runs.
  SetTime(2026, 12, 8, 0, 0);
  Pass();
  ASSERT_TRUE(Shown());
  EXPECT_EQ(platform::ControlText(kCtlAppointmentText), "Morgen");
}

TEST_F(ReminderTest, TwoDueAtOnceShowTheFirstInTheList) {
  StartAt(15, 0, {Record("07.12.2026", 16, 30, 1, "Zweiter"), Record("07.12.2026", 15, 30, 1, "Erster")});
  At(15, 30);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(platform::ControlText(kCtlAppointmentText), "Erster") << "the start-up sorted 15:30 first";
  EXPECT_EQ(DayListRows(), (std::vector<std::string>{"15:30 Erster", "16:30 Zweiter"}));
  EXPECT_EQ(App().SelectedRecord, KeyOf(App().Appointments, 0));
}

TEST_F(ReminderTest, SkippedWhileANewAppointmentIsEntered) {
  StartAt(14, 28, {Record("07.12.2026", 15, 30, 1, "Physio")});
  At(14, 29);
  Menu(kCmdNewAppointment);
  At(14, 30);
  At(14, 31);
  EXPECT_EQ(Title(), "Neuen Termin eingeben:") << "no reminder replaced the editor";
  CloseWindow();
  EXPECT_FALSE(IsBusy());
  At(14, 32);
  EXPECT_FALSE(Shown()) << "the skipped minute is not caught up";
  At(15, 30);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(Title(), "Termine heute: 07.12.2026");
}

TEST_F(ReminderTest, ReplacesAChangeInProgressWithoutAsking) {
  StartAt(14, 28, {Record("07.12.2026", 15, 30, 1, "Physio"), Record("07.12.2026", 9, 0, 0, "Post")});
  Menu(kCmdOpenAppointments);
  platform::ClickReportRow(kCtlDayList, 0);
  Drain();
  platform::ClickToolButton(kCmdToolOpen);
  Drain();
  platform::TypeText(kCtlAppointmentText, "Post holen");
  Drain();
  ASSERT_TRUE(HoldsUnsavedInput(App().editor));
  At(14, 30);
  EXPECT_EQ(platform::ControlText(kCtlAppointmentText), "Physio");
  EXPECT_FALSE(HoldsUnsavedInput(App().editor));
  CloseWindow();
  EXPECT_TRUE(TakeBoxes().empty());
  EXPECT_EQ(App().Appointments[0].Text, "Post");
}

TEST_F(ReminderTest, HourTwentyThreeAnnouncesOnlyRecordsAtMidnightOnTop) {
  StartAt(22, 58,
          {Record("07.12.2026", 23, 15, 1, "Spät"), Record("07.12.2026", 0, 15, 1, "Nachts"),
           Record("08.12.2026", 0, 20, 1, "Morgen früh")});
  At(23, 15);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(platform::ControlText(kCtlAppointmentText), "Nachts");
  EXPECT_TRUE(platform::IsWindowOnTop(kAppointmentWindow));
  CloseWindow();
  At(23, 20);
  EXPECT_FALSE(Shown()) << "records of the next day are not looked at";
}

TEST_F(ReminderTest, KeineIsNeverAnnounced) {
  StartAt(0, 0, {Record("07.12.2026", 10, 0, 0, "Keine"), Record("07.12.2026", 11, 0, 7, "Unbekannt")});
  EXPECT_FALSE(Shown());
  for (int hour = 0; hour < 24; ++hour) {
    At(hour, 0);
    EXPECT_FALSE(Shown()) << hour;
  }
}

TEST_F(ReminderTest, SilentWhenTheSettingIsOff) {
  StartAt(14, 0, {Record("07.12.2026", 15, 30, 1, "Physio")});
  platform::TriggerMenuItem(kMainMenu, kCmdReminderSound);
  Drain();
  ASSERT_EQ(App().settings.reminderSoundAsStored, 0);
  const int before = Sounds();
  At(14, 30);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(Sounds(), before);
}

}  // namespace
