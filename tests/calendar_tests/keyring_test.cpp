// The calendar password in a real keyring and without one. Run by keyring_test.sh in a
// private session bus: "Keeps" and then, as a second start of the program, "Finds" with
// gnome-keyring on the bus; "Without" on a bus where no keyring answers.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include <QLineEdit>

#include "calendar/calendar_password.h"
#include "calendar/calendar_sync.h"
#include "shell/state/identifiers.h"
#include "tests/calendar_tests/caldav_fixture.h"

namespace {

class CalendarKeyringTest : public CalDavProgramTest {
 protected:
  // A program start with kalender.ini as a user writes it by hand, and its first sync.
  void StartWithHandWrittenConnection() {
    CopyDeliveredFiles();
    WriteFile("kalender.ini", "[Kalender]\r\nAdresse=" + url_ + "\r\nBenutzer=anna\r\n");
    StartWith({Record("09.12.2026", 11, 0, 0, "Chor")}, 2026, 12, 7, 10, 0);
    WaitForSync();
  }
};

TEST_P(CalendarKeyringTest, KeepsThePasswordGivenInTheDialogInTheKeyring) {
  CopyDeliveredFiles();
  StartWith({Record("08.12.2026", 10, 0, 0, "Arzt")}, 2026, 12, 7, 10, 0);
  Fill(url_, "anna", "geheim");
  Press("Verbinden");
  EXPECT_EQ(StatusLine(), "Kalender abgeglichen.");
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (CalendarPasswordBeingKept() && std::chrono::steady_clock::now() < end) {
    Pass();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  EXPECT_FALSE(CalendarPasswordBeingKept());
  EXPECT_FALSE(AnyFileHolds(Dir(), "geheim"));
  EXPECT_TRUE(TakeBoxes().empty());
}

// A new run with kalender.ini as the first one left it: the password comes from the
// keyring, no one is asked.
TEST_P(CalendarKeyringTest, FindsThePasswordInTheKeyringAtTheNextStart) {
  StartWithHandWrittenConnection();
  EXPECT_EQ(CalendarSyncStatus(), "Kalender abgeglichen.");
  EXPECT_EQ(Phone("list"), "09.12.2026 11:00 [] Chor\n");
  EXPECT_EQ(DialogWindow(), nullptr);
  EXPECT_TRUE(TakeBoxes().empty());
}

TEST_P(CalendarKeyringTest, WithoutAKeyringThePasswordIsAskedOnceAndKeptForTheRun) {
  StartWithHandWrittenConnection();
  const std::string missing = "Das Passwort für den Kalender fehlt.";
  EXPECT_EQ(CalendarSyncStatus(), missing);
  ASSERT_NE(DialogWindow(), nullptr);
  EXPECT_TRUE(TakeBoxes().empty());
  Press("Abbrechen");
  ASSERT_EQ(DialogWindow(), nullptr);

  // The next sync by itself does not ask again.
  ResetCalendarSync();
  Pass();
  WaitForSync();
  EXPECT_EQ(CalendarSyncStatus(), missing);
  EXPECT_EQ(DialogWindow(), nullptr);

  Fill(url_, "anna", "geheim");
  Press("Verbinden");
  EXPECT_EQ(StatusLine(), "Kalender abgeglichen.");
  Press("Abbrechen");

  // kalender.ini read again: the password of this run is still known.
  ResetCalendarSync();
  SyncNow();
  EXPECT_EQ(CalendarSyncStatus(), "Kalender abgeglichen.");
  EXPECT_EQ(DialogWindow(), nullptr);
  EXPECT_EQ(Phone("list"), "09.12.2026 11:00 [] Chor\n");
  EXPECT_TRUE(TakeBoxes().empty());
  EXPECT_FALSE(AnyFileHolds(Dir(), "geheim"));
}

INSTANTIATE_TEST_SUITE_P(Servers, CalendarKeyringTest,
                         ::testing::Values(ServerKind{"RadicaleWithLogin", "/anna/termine/",
                                                      RadicaleWithLogin, "anna", "geheim"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
