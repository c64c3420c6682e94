// The sync against real CalDAV servers on 127.0.0.1, each started by the test with its
// storage in the test's directory; python3-caldav plays the phone.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "appointments/appointment_list.h"
#include "calendar/calendar_sync.h"
#include "calendar/connect_dialog.h"
#include "platform/testing/test_probes.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "tests/appointment_tests/appointment_test_support.h"
#include "tests/calendar_tests/command_output.h"

namespace {

int FreePort() {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
  socklen_t n = sizeof a;
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &n);
  close(s);
  return ntohs(a.sin_port);
}

bool Accepts(int port) {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool ok = connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  close(s);
  return ok;
}

struct ServerKind {
  const char* name;
  const char* calendarPath;
  // The command line for a storage folder and a port.
  std::vector<std::string> (*command)(const std::string& folder, int port);
  const char* user = "";  // where the server wants a login
  const char* password = "";
};

// Radicale on the port with its storage in `folder`, and these options for login and rights.
std::vector<std::string> RadicaleWith(const std::string& folder, int port,
                                      std::vector<std::string> access) {
  std::vector<std::string> args = {"radicale",
                                   "--config",
                                   "",
                                   "--server-hosts",
                                   "127.0.0.1:" + std::to_string(port),
                                   "--storage-filesystem-folder",
                                   folder + "/collections"};
  args.insert(args.end(), access.begin(), access.end());
  return args;
}

// Without a password everyone may do everything.
std::vector<std::string> Radicale(const std::string& folder, int port) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder + "/rights") << "[all]\nuser: .*\ncollection: .*\npermissions: RrWw\n";
  return RadicaleWith(
      folder, port,
      {"--auth-type", "none", "--rights-type", "from_file", "--rights-file", folder + "/rights"});
}

// Each user may reach the own calendars only, with the password from the htpasswd file.
std::vector<std::string> RadicaleWithLogin(const std::string& folder, int port) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder + "/users") << "anna:geheim\n";
  return RadicaleWith(folder, port,
                      {"--auth-type", "htpasswd", "--auth-htpasswd-filename", folder + "/users",
                       "--auth-htpasswd-encryption", "plain", "--rights-type", "owner_only"});
}

std::vector<std::string> Xandikos(const std::string& folder, int port) {
  return {"xandikos", "-d", folder, "--autocreate", "-l", "127.0.0.1", "-p", std::to_string(port)};
}

class CalDavSyncTest : public AppointmentProgramTest, public ::testing::WithParamInterface<ServerKind> {
 protected:
  void SetUp() override {
    AppointmentProgramTest::SetUp();
    StartServer();
    url_ = "http://127.0.0.1:" + std::to_string(port_) + GetParam().calendarPath;
    if (*GetParam().user)
      phoneUrl_ = "http://" + std::string(GetParam().user) + ":" + GetParam().password +
                  "@127.0.0.1:" + std::to_string(port_) + GetParam().calendarPath;
    ASSERT_EQ(Phone("make"), "");
  }
  void TearDown() override {
    StopServer();
    AppointmentProgramTest::TearDown();
  }

  void StartServer() {
    if (port_ == 0) port_ = FreePort();
    const std::vector<std::string> args = GetParam().command((Dir() / "server").string(), port_);
    server_ = fork();
    if (server_ == 0) {
      std::vector<char*> argv;
      for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      freopen("/dev/null", "w", stdout);
      freopen("/dev/null", "w", stderr);
      execvp(argv[0], argv.data());
      _exit(127);
    }
    for (int i = 0; i < 500 && !Accepts(port_); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(Accepts(port_)) << GetParam().name << " did not start";
  }
  void StopServer() {
    if (server_ <= 0) return;
    kill(server_, SIGTERM);
    waitpid(server_, nullptr, 0);
    server_ = 0;
  }

  std::string Phone(const std::string& args) {
    const std::string command = "/usr/bin/python3 " CALENDAR_TEST_DIR "/phone.py '" +
                                (phoneUrl_.empty() ? url_ : phoneUrl_) + "' " + args + " 2>&1";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
      char buffer[512];
      while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
      pclose(pipe);
    }
    return out;
  }

  void Connect(const AppointmentList& records) {
    CopyDeliveredFiles();
    WriteFile("kalender.ini", "[Kalender]\r\nAdresse=" + url_ + "\r\nBenutzer=\r\n");
    StartWith(records, 2026, 12, 7, 10, 0);
    WaitForSync();
  }

  // Passes of the main loop until the sync's answers are in.
  void WaitForSync() {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (CalendarSyncRunning() && std::chrono::steady_clock::now() < end) {
      Pass();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_FALSE(CalendarSyncRunning());
  }
  void SyncNow() {
    Menu(kCmdSyncCalendar);
    WaitForSync();
  }

  std::vector<std::string> Saved() {
    std::vector<std::string> out;
    for (const Appointment& a : SavedRecords()) {
      char time[8];
      std::snprintf(time, sizeof time, "%02d:%02d", a.Hour, a.Minute);
      out.push_back(a.DateText + " " + time + " " + std::to_string(ReminderByte(a.ReminderKind)) + " " +
                    a.Text);
    }
    std::sort(out.begin(), out.end());
    return out;
  }

  // The dialog "Kalender verbinden…", driven through its widgets.
  static QWidget* DialogWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "KalenderVerbinden" && w->isVisible()) return w;
    return nullptr;
  }
  template <class Widget>
  static Widget* Field(const char* name) {
    QWidget* window = DialogWindow();
    return window ? window->findChild<Widget*>(name) : nullptr;
  }
  void Fill(const std::string& address, const std::string& user, const std::string& password) {
    Menu(kCmdConnectCalendar);
    ASSERT_NE(DialogWindow(), nullptr);
    Field<QLineEdit>("Adresse")->setText(QString::fromStdString(address));
    Field<QLineEdit>("Benutzer")->setText(QString::fromStdString(user));
    Field<QLineEdit>("Passwort")->setText(QString::fromStdString(password));
  }
  void Press(const char* button) {
    ASSERT_NE(Field<QPushButton>(button), nullptr) << button;
    Field<QPushButton>(button)->click();
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while ((CalendarSearchRunning() || CalendarSyncRunning()) && std::chrono::steady_clock::now() < end) {
      Pass();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_FALSE(CalendarSearchRunning() || CalendarSyncRunning());
  }
  // Picks our calendar where the server holds several.
  void ChooseOurs() {
    QComboBox* choice = Field<QComboBox>("Kalender");
    const int ours = choice->findData(QString::fromStdString(url_));
    ASSERT_GE(ours, 0);
    choice->setCurrentIndex(ours);
    if (choice->isEnabled()) Press("Verbinden");
  }
  std::string StatusLine() { return Field<QLabel>("Status")->text().toStdString(); }

  std::string url_;
  std::string phoneUrl_;  // with the phone's user and password, where the server wants them
  int port_ = 0;
  pid_t server_ = 0;
};

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

// Whether any file of the program's working directory (not the server's) holds `text`.
bool AnyFileHolds(const std::filesystem::path& dir, const std::string& text) {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    if (!entry.is_regular_file() || entry.path().string().find("/server/") != std::string::npos) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.find(text) != std::string::npos) return true;
  }
  return false;
}

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
