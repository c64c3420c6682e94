// The sync against real CalDAV servers on 127.0.0.1, each started by the test with its
// storage in the test's directory; python3-caldav plays the phone.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <QLineEdit>
#include <QPushButton>

#include "appointments/appointment_list.h"
#include "calendar/calendar_sync.h"
#include "calendar/connect_dialog.h"
#include "platform/testing/test_probes.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "tests/calendar_tests/caldav_fixture.h"

namespace {

using CalDavSyncTest = CalDavProgramTest;

TEST_P(CalDavSyncTest, AppointmentsGoBothWays) {
  ASSERT_EQ(Phone("add phone-1 2026-12-09T08:15 Bäcker 30"), "");
  Connect({Record("08.12.2026", 10, 0, 1, W("Zahnärztin Müller")), Record("10.12.2026", 9, 0, 2, "Chor")});
  EXPECT_EQ(CalendarSyncStatus(), "Kalender abgeglichen.");
  EXPECT_EQ(Phone("list"),
            "08.12.2026 10:00 [60] Zahnärztin Müller\n"
            "09.12.2026 08:15 [30] Bäcker +vom Telefon\n"
            "10.12.2026 09:00 [540] Chor\n");
  EXPECT_EQ(Saved(), (std::vector<std::string>{W("08.12.2026 10:00 1 Zahnärztin Müller"),
                                               W("09.12.2026 08:15 1 Bäcker"), "10.12.2026 09:00 2 Chor"}));
  EXPECT_TRUE(Bold({2026, 12, 9}));

  // Changes and deletions on the phone; nothing lost of what the phone keeps.
  ASSERT_EQ(Phone("set phone-1 Brötchen"), "");
  SyncNow();
  EXPECT_EQ(Saved(),
            (std::vector<std::string>{W("08.12.2026 10:00 1 Zahnärztin Müller"),
                                      W("09.12.2026 08:15 1 Brötchen"), "10.12.2026 09:00 2 Chor"}));
  ASSERT_EQ(Phone("delete phone-1"), "");
  SyncNow();
  EXPECT_EQ(Saved(), (std::vector<std::string>{W("08.12.2026 10:00 1 Zahnärztin Müller"),
                                               "10.12.2026 09:00 2 Chor"}));
  EXPECT_TRUE(TakeBoxes().empty());
}

TEST_P(CalDavSyncTest, OfflineChangesReachTheServerWhenItIsBack) {
  Connect({Record("08.12.2026", 10, 0, 0, "Arzt")});
  StopServer();
  App().Appointments.push_back(Record("09.12.2026", 11, 30, 1, "Offline"));
  // The user asked: one German sentence in a box; the list stays.
  SyncNow();
  EXPECT_EQ(TakeBoxTexts(), (std::vector<std::string>{"Der Kalender-Server ist nicht erreichbar."}));
  EXPECT_EQ(CalendarSyncStatus(), "Der Kalender-Server ist nicht erreichbar.");
  StartServer();
  SyncNow();
  EXPECT_EQ(Phone("list"), "08.12.2026 10:00 [] Arzt\n09.12.2026 11:30 [60] Offline\n");
  EXPECT_TRUE(TakeBoxes().empty());
}

void ChangeText(const std::string& from, const std::string& to) {
  for (Appointment& a : App().Appointments)
    if (a.Text == from) a.Text = to;
}

TEST_P(CalDavSyncTest, ChangesFromBothSidesAreKeptAndPastOnesStayOnTheServer) {
  Connect({Record("08.12.2026", 10, 0, 0, "Arzt"), Record("09.12.2026", 11, 0, 0, "Chor"),
           Record("10.12.2026", 12, 0, 0, "Kino"), Record("15.12.2026", 9, 0, 0, "Friseur")});
  ChangeText("Arzt", "Arzt (Raum 4)");
  std::erase_if(App().Appointments, [](const Appointment& a) { return a.Text == "Chor"; });
  ChangeText("Kino", "Kino um 12");
  SaveAppointments();
  ASSERT_EQ(Phone("set Kino 'Kino mit Eva'"), "");
  SyncNow();
  const std::string onServer = Phone("list");
  EXPECT_EQ(onServer,
            "08.12.2026 10:00 [] Arzt (Raum 4)\n"
            "10.12.2026 12:00 [] Kino mit Eva\n"
            "10.12.2026 12:00 [] Kino um 12\n"
            "15.12.2026 09:00 [] Friseur\n");
  EXPECT_EQ(Saved(),
            (std::vector<std::string>{"08.12.2026 10:00 0 Arzt (Raum 4)", "10.12.2026 12:00 0 Kino mit Eva",
                                      "10.12.2026 12:00 0 Kino um 12", "15.12.2026 09:00 0 Friseur"}));
  // A year later the list drops the past appointments at start-up; the server keeps them.
  SetTime(2027, 12, 20, 10, 0);
  Start();
  WaitForSync();
  EXPECT_TRUE(App().Appointments.empty());
  EXPECT_EQ(Phone("list"), onServer);
}

TEST_P(CalDavSyncTest, OneOccurrenceOfASeriesIsChangedOrDeletedAndTheSeriesStays) {
  ASSERT_EQ(Phone("series kurs-1 2026-12-08T18:00 Kurs 4"), "");
  Connect({});
  ASSERT_EQ(Saved(), (std::vector<std::string>{"08.12.2026 18:00 0 Kurs", "15.12.2026 18:00 0 Kurs",
                                               "22.12.2026 18:00 0 Kurs", "29.12.2026 18:00 0 Kurs"}));
  std::erase_if(App().Appointments, [](const Appointment& a) { return a.DateText == "15.12.2026"; });
  for (Appointment& a : App().Appointments)
    if (a.DateText == "22.12.2026") a.Text = W("Kurs fällt aus");
  SaveAppointments();
  SyncNow();
  const std::string series = Phone("raw kurs-1");
  EXPECT_NE(series.find("RRULE:FREQ=WEEKLY;COUNT=4"), std::string::npos) << series;
  EXPECT_NE(series.find("EXDATE;TZID=Europe/Berlin:20261215T180000"), std::string::npos) << series;
  EXPECT_NE(series.find("RECURRENCE-ID;TZID=Europe/Berlin:20261222T180000"), std::string::npos) << series;
  EXPECT_EQ(Phone("list"),
            "08.12.2026 18:00 [] Kurs\n"
            "22.12.2026 18:00 [] Kurs fällt aus\n");
  EXPECT_TRUE(TakeBoxes().empty());
}

// Requests of one "Jetzt abgleichen".
int RequestsOf(const std::function<void()>& sync) {
  const int before = CalendarRequestCount();
  sync();
  return CalendarRequestCount() - before;
}

TEST_P(CalDavSyncTest, LaterSyncsAskForTheChangesOnlyAndABadTokenFallsBackToTheListing) {
  Connect({Record("08.12.2026", 10, 0, 0, "Arzt")});
  const auto sync = [this] { SyncNow(); };
  EXPECT_EQ(RequestsOf(sync), 1);
  ASSERT_EQ(Phone("add phone-1 2026-12-09T08:15 Bäcker 30"), "");
  EXPECT_EQ(RequestsOf(sync), 2);  // the changes, and the changed object's text
  EXPECT_EQ(Saved(), (std::vector<std::string>{"08.12.2026 10:00 0 Arzt", W("09.12.2026 08:15 1 Bäcker")}));
  ASSERT_EQ(Phone("delete phone-1"), "");
  EXPECT_EQ(RequestsOf(sync), 1);
  EXPECT_EQ(Saved(), (std::vector<std::string>{"08.12.2026 10:00 0 Arzt"}));

  // A token the server does not know: the full listing, no error, and a good token again.
  const std::string state = ReadFile("kalender.sync");
  ASSERT_EQ(state.rfind("T\t", 0), 0u) << state;
  ASSERT_GT(state.find('\n'), 2u) << state;
  WriteFile("kalender.sync", "T\thttp://example.org/ns/sync/kaputt" + state.substr(state.find('\n')));
  ASSERT_EQ(Phone("add phone-2 2026-12-10T07:00 Post"), "");
  ResetCalendarSync();
  // The refused changes, the full listing, and the new object's text.
  EXPECT_EQ(RequestsOf(sync), 3);
  EXPECT_EQ(CalendarSyncStatus(), "Kalender abgeglichen.");
  EXPECT_EQ(Saved(), (std::vector<std::string>{"08.12.2026 10:00 0 Arzt", "10.12.2026 07:00 0 Post"}));
  EXPECT_EQ(ReadFile("kalender.sync").find("kaputt"), std::string::npos);
  EXPECT_EQ(RequestsOf(sync), 1);
  EXPECT_TRUE(TakeBoxes().empty());
}

TEST_P(CalDavSyncTest, TrennenDuringASyncEndsItAndKeepsEveryAppointment) {
  AppointmentList many;
  for (int i = 0; i < 60; ++i) many.push_back(Record("09.12.2026", 8, i, 0, "Termin " + std::to_string(i)));
  CopyDeliveredFiles();
  WriteFile("kalender.ini", "[Kalender]\r\nAdresse=" + url_ + "\r\nBenutzer=\r\n");
  const int before = CalendarRequestCount();
  StartWith(many, 2026, 12, 7, 10, 0);
  const std::string appointments = ReadFile("Term.dat");
  Menu(kCmdConnectCalendar);
  ASSERT_NE(DialogWindow(), nullptr);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (CalendarRequestCount() < before + 5 && std::chrono::steady_clock::now() < end) Pass();
  ASSERT_TRUE(CalendarSyncRunning());

  // "Verbinden" meanwhile says why it waits.
  Field<QPushButton>("Verbinden")->click();
  EXPECT_EQ(StatusLine(), "Ein Abgleich läuft; bitte danach noch einmal „Verbinden“ drücken.");

  Field<QPushButton>("Trennen")->click();
  EXPECT_FALSE(CalendarSyncRunning());
  const int requests = CalendarRequestCount();
  for (int i = 0; i < 100; ++i) {
    Pass();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  EXPECT_EQ(CalendarRequestCount(), requests);
  EXPECT_LT(requests - before, 61);
  EXPECT_FALSE(Exists("kalender.ini"));
  EXPECT_FALSE(Exists("kalender.sync"));
  EXPECT_EQ(ReadFile("Term.dat"), appointments);
  EXPECT_EQ(StatusLine(), "Getrennt; alle Termine bleiben erhalten.");
  EXPECT_TRUE(TakeBoxes().empty());
}

// "Jetzt abgleichen" during a sync is not lost: a second sync follows the first and
// brings what the phone added meanwhile.
TEST_P(CalDavSyncTest, JetztAbgleichenDuringASyncRunsRightAfterIt) {
  Connect({Record("08.12.2026", 10, 0, 0, "Arzt")});
  App().Appointments.push_back(Record("09.12.2026", 11, 0, 0, "Chor"));
  SaveAppointments();
  Menu(kCmdSyncCalendar);
  ASSERT_TRUE(CalendarSyncRunning());
  ASSERT_EQ(Phone("add phone-1 2026-12-10T08:15 Post"), "");
  Menu(kCmdSyncCalendar);
  WaitForSync();
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (Saved().size() < 3 && std::chrono::steady_clock::now() < end) {
    Pass();
    WaitForSync();
  }
  EXPECT_EQ(Saved(), (std::vector<std::string>{"08.12.2026 10:00 0 Arzt", "09.12.2026 11:00 0 Chor",
                                               "10.12.2026 08:15 0 Post"}));
  EXPECT_TRUE(TakeBoxes().empty());
}

// The dialog "Kalender verbinden…", against servers that lead from their root address
// to the calendars (Radicale only once the user has logged in).
using CalendarDialogTest = CalDavSyncTest;

TEST_P(CalendarDialogTest, FindsTheCalendarFromTheServerAddressAndTrennenKeepsTheAppointments) {
  ASSERT_EQ(Phone("add phone-1 2026-12-09T08:15 Bäcker 30"), "");
  CopyDeliveredFiles();
  StartWith({Record("08.12.2026", 10, 0, 0, "Arzt")}, 2026, 12, 7, 10, 0);
  Fill("http://127.0.0.1:" + std::to_string(port_) + "/", GetParam().user, GetParam().password);
  Press("Verbinden");
  ChooseOurs();
  EXPECT_EQ(ReadCalendarConnection().address, url_);
  EXPECT_EQ(StatusLine(), "Kalender abgeglichen.");
  EXPECT_EQ(Saved(), (std::vector<std::string>{"08.12.2026 10:00 0 Arzt", W("09.12.2026 08:15 1 Bäcker")}));
  EXPECT_EQ(Phone("list"), "08.12.2026 10:00 [] Arzt\n09.12.2026 08:15 [30] Bäcker +vom Telefon\n");
  EXPECT_TRUE(TakeBoxes().empty());

  const std::string appointments = ReadFile("Term.dat");
  Press("Trennen");
  EXPECT_FALSE(Exists("kalender.ini"));
  EXPECT_FALSE(Exists("kalender.sync"));
  EXPECT_EQ(ReadFile("Term.dat"), appointments);
  EXPECT_EQ(Phone("list"), "08.12.2026 10:00 [] Arzt\n09.12.2026 08:15 [30] Bäcker +vom Telefon\n");
  SyncNow();
  EXPECT_EQ(TakeBoxTexts(), (std::vector<std::string>{"Es ist kein Kalender verbunden."}));
}

INSTANTIATE_TEST_SUITE_P(Servers, CalDavSyncTest,
                         ::testing::Values(ServerKind{"Radicale", "/termine/", Radicale},
                                           ServerKind{"Xandikos", "/user/calendars/termine/", Xandikos}),
                         [](const auto& info) { return std::string(info.param.name); });

using CalendarLoginTest = CalDavSyncTest;

TEST_P(CalendarLoginTest, WrongPasswordAndAMissingServerAreSaidInOneSentenceAndThePasswordStaysInMemory) {
  CopyDeliveredFiles();
  StartWith({Record("08.12.2026", 10, 0, 0, "Arzt")}, 2026, 12, 7, 10, 0);
  const std::string root = "http://127.0.0.1:" + std::to_string(port_) + "/";
  Fill(root, "anna", "falsch");
  Press("Verbinden");
  const std::string wrong = "Benutzer oder Passwort für den Kalender stimmen nicht.";
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{wrong});
  EXPECT_EQ(StatusLine(), wrong);
  EXPECT_FALSE(Exists("kalender.ini"));

  Field<QLineEdit>("Passwort")->setText("geheim");
  Press("Verbinden");
  EXPECT_EQ(StatusLine(), "Kalender abgeglichen.");
  EXPECT_EQ(Phone("list"), "08.12.2026 10:00 [] Arzt\n");
  EXPECT_EQ(ReadCalendarConnection().user, "anna");
  EXPECT_FALSE(AnyFileHolds(Dir(), "geheim"));

  StopServer();
  Menu(kCmdHide);
  const std::string tooltip = platform::TrayIconTooltip(kTrayIcon);
  SyncNow();
  const std::string away = "Der Kalender-Server ist nicht erreichbar.";
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{away});
  EXPECT_EQ(StatusLine(), away);
  EXPECT_EQ(platform::TrayIconTooltip(kTrayIcon), tooltip + "\n" + away);

  // kalender.ini read again: the password of this run is still known, no one is asked.
  StartServer();
  ResetCalendarSync();
  SyncNow();
  EXPECT_EQ(CalendarSyncStatus(), "Kalender abgeglichen.");
  EXPECT_EQ(platform::TrayIconTooltip(kTrayIcon), tooltip);
  EXPECT_TRUE(TakeBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Servers, CalendarLoginTest,
                         ::testing::Values(ServerKind{"RadicaleWithLogin", "/anna/termine/",
                                                      RadicaleWithLogin, "anna", "geheim"}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Servers, CalendarDialogTest,
                         ::testing::Values(ServerKind{"RadicaleWithLogin", "/anna/termine/",
                                                      RadicaleWithLogin, "anna", "geheim"},
                                           ServerKind{"Xandikos", "/user/calendars/termine/", Xandikos}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
