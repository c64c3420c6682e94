#include "tests/calendar_tests/caldav_fixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calendar/calendar_sync.h"
#include "calendar/connect_dialog.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"

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

std::vector<std::string> Radicale(const std::string& folder, int port) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder + "/rights") << "[all]\nuser: .*\ncollection: .*\npermissions: RrWw\n";
  return RadicaleWith(
      folder, port,
      {"--auth-type", "none", "--rights-type", "from_file", "--rights-file", folder + "/rights"});
}

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

pid_t StartProcess(const std::vector<std::string>& args) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    freopen("/dev/null", "w", stdout);
    freopen("/dev/null", "w", stderr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

bool AnyFileHolds(const std::filesystem::path& dir, const std::string& text) {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    if (!entry.is_regular_file() || entry.path().string().find("/server/") != std::string::npos) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.find(text) != std::string::npos) return true;
  }
  return false;
}

void CalDavProgramTest::SetUp() {
  AppointmentProgramTest::SetUp();
  // A run that must find the same calendar as an earlier one is given its port.
  if (const char* port = std::getenv("CALENDAR_TEST_PORT")) port_ = std::atoi(port);
  StartServer();
  url_ = "http://127.0.0.1:" + std::to_string(port_) + GetParam().calendarPath;
  if (*GetParam().user)
    phoneUrl_ = "http://" + std::string(GetParam().user) + ":" + GetParam().password +
                "@127.0.0.1:" + std::to_string(port_) + GetParam().calendarPath;
  ASSERT_EQ(Phone("make"), "");
}

void CalDavProgramTest::TearDown() {
  StopServer();
  AppointmentProgramTest::TearDown();
}

void CalDavProgramTest::StartServer() {
  if (port_ == 0) port_ = FreePort();
  server_ = StartProcess(GetParam().command((Dir() / "server").string(), port_));
  for (int i = 0; i < 500 && !Accepts(port_); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(Accepts(port_)) << GetParam().name << " did not start";
}

void CalDavProgramTest::StopServer() {
  if (server_ <= 0) return;
  kill(server_, SIGTERM);
  waitpid(server_, nullptr, 0);
  server_ = 0;
}

std::string CalDavProgramTest::Phone(const std::string& args) {
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

void CalDavProgramTest::Connect(const AppointmentList& records) {
  CopyDeliveredFiles();
  WriteFile("kalender.ini", "[Kalender]\r\nAdresse=" + url_ + "\r\nBenutzer=\r\n");
  StartWith(records, 2026, 12, 7, 10, 0);
  WaitForSync();
}

void CalendarProgramTest::WaitForSync() {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (CalendarSyncRunning() && std::chrono::steady_clock::now() < end) {
    Pass();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  ASSERT_FALSE(CalendarSyncRunning());
}

void CalendarProgramTest::SyncNow() {
  Menu(kCmdSyncCalendar);
  WaitForSync();
}

std::vector<std::string> CalDavProgramTest::Saved() {
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

QWidget* CalendarProgramTest::DialogWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "KalenderVerbinden" && w->isVisible()) return w;
  return nullptr;
}

void CalendarProgramTest::Fill(const std::string& address, const std::string& user,
                               const std::string& password) {
  Menu(kCmdConnectCalendar);
  ASSERT_NE(DialogWindow(), nullptr);
  Field<QLineEdit>("Adresse")->setText(QString::fromStdString(address));
  Field<QLineEdit>("Benutzer")->setText(QString::fromStdString(user));
  Field<QLineEdit>("Passwort")->setText(QString::fromStdString(password));
}

void CalendarProgramTest::Press(const char* button) {
  ASSERT_NE(Field<QPushButton>(button), nullptr) << button;
  Field<QPushButton>(button)->click();
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while ((CalendarSearchRunning() || CalendarSyncRunning()) && std::chrono::steady_clock::now() < end) {
    Pass();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  ASSERT_FALSE(CalendarSearchRunning() || CalendarSyncRunning());
}

void CalDavProgramTest::ChooseOurs() {
  QComboBox* choice = Field<QComboBox>("Kalender");
  const int ours = choice->findData(QString::fromStdString(url_));
  ASSERT_GE(ours, 0);
  choice->setCurrentIndex(ours);
  if (choice->isEnabled()) Press("Verbinden");
}

std::string CalendarProgramTest::StatusLine() { return Field<QLabel>("Status")->text().toStdString(); }
