// Another program (a sync tool, the same program on a second machine) changes the
// files while organclock runs: what either side wrote survives, and a quit writes only
// what changed.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "appointments/appointment_file.h"
#include "organs/organ_text_file.h"
#include "platform/controls.h"
#include "platform/testing/ui_driver.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "shell/state/settings.h"
#include "tests/appointment_tests/appointment_test_support.h"

namespace fs = std::filesystem;

namespace {

const Appointment kDentist = Record("09.12.2026", 10, 0, 1, "Zahnarzt");
const Appointment kPost = Record("10.12.2026", 8, 30, 0, "Post");
const Appointment kPostLater = Record("10.12.2026", 9, 30, 0, "Post");
constexpr platform::Date kDentistDay{2026, 12, 9};
constexpr platform::Date kPostDay{2026, 12, 10};
constexpr platform::Date kFreeDay{2026, 12, 11};

class FileMergeTest : public AppointmentProgramTest {
 protected:
  void StartAt1002(const AppointmentList& records) { StartWith(records, 2026, 12, 7, 10, 2); }
  // As a sync tool puts a file in place: written under another name, renamed over it.
  void ChangeElsewhere(const std::string& name, const std::string& bytes) {
    WriteFile(".syncthing." + name + ".tmp", bytes);
    fs::rename(Dir() / (".syncthing." + name + ".tmp"), Dir() / name);
  }
  ino_t Inode(const std::string& name) const {
    struct stat st {};
    ::stat((Dir() / name).c_str(), &st);
    return st.st_ino;
  }
  // Passes of the main loop with real waits, as the running program makes them, until
  // `done` holds or two seconds have gone by.
  template <typename F>
  bool PassesUntil(F done) {
    for (int i = 0; i < 40; ++i) {
      RunMainLoopPass(50);
      if (done()) return true;
    }
    return false;
  }
  // Row `row` of the day list of kPostDay, chosen as the user chooses it.
  void ChooseRowOfPostDay(int row) {
    platform::ClickCalendarDay(kCtlCalendar, kPostDay);
    Drain();
    platform::ClickReportRow(kCtlDayList, row);
    Drain();
  }
  void EnterNewAppointment(platform::Date day, const std::string& text) {
    Menu(kCmdNewAppointment);
    platform::PickDate(kCtlDateField, day);
    Drain();
    platform::TypeText(kCtlAppointmentText, text);
    Drain();
    Tool(kCmdToolSave);
  }
};

TEST_F(FileMergeTest, AppointmentsEnteredOnTwoMachinesBothSurvive) {
  StartAt1002({kDentist});
  ChangeElsewhere("Term.dat", EncodeAppointments({kDentist, kPost}));
  EnterNewAppointment(kFreeDay, "Friseur");
  EXPECT_TRUE(TakeBoxTexts().empty());
  const AppointmentList saved = SavedRecords();
  ASSERT_EQ(saved.size(), 3u);
  EXPECT_EQ(saved[0], kDentist);
  EXPECT_EQ(saved[1].Text, "Friseur");
  EXPECT_EQ(saved[2], kPost);
  EXPECT_EQ(App().Appointments.size(), 3u);
  EXPECT_TRUE(Bold(kPostDay)) << "the other machine's day is marked at once";
  ExitProgram();
  EXPECT_EQ(SavedRecords(), saved);
}

TEST_F(FileMergeTest, DeletedHereWhileChangedElsewhereKeepsTheChange) {
  StartAt1002({kDentist, kPost});
  ChooseRowOfPostDay(0);
  // Meanwhile elsewhere Zahnarzt is deleted and Post moved; here Post is deleted: the
  // other machine's new version of it stays.
  ChangeElsewhere("Term.dat", EncodeAppointments({kPostLater}));
  AnswerNextBox(platform::MessageAnswer::Yes);
  Tool(kCmdToolDelete);
  TakeBoxes();
  EXPECT_EQ(SavedRecords(), AppointmentList{kPostLater});
  EXPECT_FALSE(Bold(kDentistDay));
  EXPECT_TRUE(Bold(kPostDay));
}

TEST_F(FileMergeTest, AQuitWritesNothingThatDidNotChange) {
  StartAt1002({kDentist});
  const ino_t before = Inode("Term.dat");
  const ino_t settingsBefore = Inode("konfig.set");
  ExitProgram();
  EXPECT_EQ(Inode("Term.dat"), before) << "an unchanged list is not written";
  EXPECT_EQ(Inode("konfig.set"), settingsBefore) << "unchanged settings are not written";
}

TEST_F(FileMergeTest, AQuitAfterAChangeElsewhereLeavesThatChange) {
  StartAt1002({kDentist});
  const std::string theirs = EncodeAppointments({kDentist, kPost});
  ChangeElsewhere("Term.dat", theirs);
  Settings other = DefaultSettings();
  other.chimeChoice = ChimeChoice::Off;
  ChangeElsewhere("konfig.set", EncodeSettings(other));
  ExitProgram();
  EXPECT_EQ(ReadFile("Term.dat"), theirs);
  EXPECT_EQ(ReadFile("konfig.set"), EncodeSettings(other));
}

TEST_F(FileMergeTest, SettingsChangedOnTwoMachinesBothSurvive) {
  StartAt1002({});
  Settings other = DefaultSettings();
  other.chimeChoice = ChimeChoice::Off;
  ChangeElsewhere("konfig.set", EncodeSettings(other));
  Menu(kCmdReminderSound);
  const Settings saved = DecodeSettings(ReadFile("konfig.set"));
  EXPECT_EQ(saved.chimeChoice, ChimeChoice::Off);
  EXPECT_FALSE(saved.reminderSound);
  EXPECT_EQ(App().settings.chimeChoice, ChimeChoice::Off);
  EXPECT_FALSE(App().ChimeLoaded) << "the chime follows the merged choice";
}

TEST_F(FileMergeTest, OrganTextChangedElsewhereDuringAnEditIsKeptBeside) {
  StartAt1002({});
  Menu(kCmdFirstOrganEdit + 3);  // Pankreas, shown at 10:02
  ChangeElsewhere("org4.dat", "Text vom Laptop\r\n");
  platform::SetControlText(kCtlOrganText, "Mein Text");
  Menu(kCmdSaveOrganText);
  const auto boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].icon, platform::MessageIcon::Information);
  EXPECT_NE(boxes[0].text.find("org4.konflikt.dat"), std::string::npos);
  EXPECT_EQ(ReadFile("org4.dat"), "Mein Text\r\n");
  EXPECT_EQ(ReadFile(OrganConflictFileName(4)), "Text vom Laptop\r\n");
}

// ---- noticed while running ----

TEST_F(FileMergeTest, AChangeOnDiskIsShownInTheOpenReminderWindowAtOnce) {
  const Appointment due = Record("07.12.2026", 10, 5, 1, "Zahnarzt");
  StartAt1002({due});
  AdvanceMinutes(3);
  ASSERT_EQ(DayListRows(), std::vector<std::string>{"10:05 Zahnarzt"}) << "the reminder window is open";
  ChangeElsewhere("Term.dat", EncodeAppointments({due, Record("07.12.2026", 12, 0, 0, "Mittag"), kPost}));
  EXPECT_TRUE(PassesUntil([&] { return DayListRows().size() == 2; }));
  EXPECT_EQ(DayListRows(), (std::vector<std::string>{"10:05 Zahnarzt", "12:00 Mittag"}));
  EXPECT_TRUE(Bold(kPostDay));
  EXPECT_TRUE(TakeBoxTexts().empty());
}

TEST_F(FileMergeTest, TheChosenRecordStaysChosenWhenTheMergeInsertsRecordsBeforeIt) {
  StartAt1002({kPost, kPostLater});
  ChooseRowOfPostDay(1);
  ASSERT_EQ(platform::ControlText(kCtlHourBox), "09");
  const Appointment early = Record("10.12.2026", 7, 0, 0, "Post");
  ChangeElsewhere("Term.dat", EncodeAppointments({early, kDentist, kPost, kPostLater}));
  ASSERT_TRUE(PassesUntil([&] { return App().Appointments.size() == 4; }));
  AnswerNextBox(platform::MessageAnswer::Yes);
  Tool(kCmdToolDelete);
  TakeBoxes();
  const AppointmentList& now = App().Appointments;
  EXPECT_EQ(now.size(), 3u);
  EXPECT_EQ(std::count(now.begin(), now.end(), kPostLater), 0) << "9:30 is the one deleted";
  EXPECT_EQ(std::count(now.begin(), now.end(), early), 1);
}

TEST_F(FileMergeTest, WhileANewAppointmentIsEnteredTheMergeWaits) {
  StartAt1002({kDentist});
  Menu(kCmdNewAppointment);
  platform::TypeText(kCtlAppointmentText, "Friseur");
  Drain();
  ChangeElsewhere("Term.dat", EncodeAppointments({kDentist, kPost}));
  EXPECT_FALSE(PassesUntil([&] { return App().Appointments.size() != 1; }));
  EXPECT_EQ(platform::ControlText(kCtlAppointmentText), "Friseur") << "the input is not touched";
  EXPECT_FALSE(Bold(kPostDay));
  AnswerNextBox(platform::MessageAnswer::No);
  Tool(kCmdToolLeave);
  TakeBoxes();
  EXPECT_EQ(App().Appointments, (AppointmentList{kDentist, kPost}));
  EXPECT_TRUE(Bold(kPostDay));
}

TEST_F(FileMergeTest, SettingsAndTheShownOrganTextChangedOnDiskAreTakenIn) {
  StartAt1002({});
  Settings other = DefaultSettings();
  other.chimeChoice = ChimeChoice::Off;
  ChangeElsewhere("konfig.set", EncodeSettings(other));
  ChangeElsewhere("org4.dat", "Neuer Text\r\nZeile 2\r\n");
  EXPECT_TRUE(PassesUntil([&] {
    return App().settings.chimeChoice == ChimeChoice::Off &&
           platform::ControlText(kCtlOrganText) == "Neuer Text\nZeile 2";
  }));
  EXPECT_FALSE(App().ChimeLoaded);
  EXPECT_TRUE(TakeBoxTexts().empty());
}

}  // namespace
