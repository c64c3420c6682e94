#pragma once
// The program against a real CalDAV server on 127.0.0.1, started by the test with its
// storage in the test's directory; python3-caldav plays the phone.
#include <sys/types.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <QWidget>

#include "tests/appointment_tests/appointment_test_support.h"

int FreePort();
// True when something listens on the port of 127.0.0.1.
bool Accepts(int port);

struct ServerKind {
  const char* name;
  const char* calendarPath;
  // The command line for a storage folder and a port.
  std::vector<std::string> (*command)(const std::string& folder, int port);
  const char* user = "";  // where the server wants a login
  const char* password = "";
};
inline void PrintTo(const ServerKind& kind, std::ostream* out) { *out << kind.name; }

// Radicale on the port with its storage in `folder`, and these options for login and rights.
std::vector<std::string> RadicaleWith(const std::string& folder, int port, std::vector<std::string> access);
// Without a password everyone may do everything.
std::vector<std::string> Radicale(const std::string& folder, int port);
// Each user may reach the own calendars only, with the password from the htpasswd file
// (anna, geheim).
std::vector<std::string> RadicaleWithLogin(const std::string& folder, int port);
std::vector<std::string> Xandikos(const std::string& folder, int port);
// Starts the command with its output thrown away; the caller ends it.
pid_t StartProcess(const std::vector<std::string>& args);

// Whether any file of the program's working directory (not the server's) holds `text`.
bool AnyFileHolds(const std::filesystem::path& dir, const std::string& text);

// The program with its calendar dialog, driven through its widgets.
class CalendarProgramTest : public AppointmentProgramTest {
 protected:
  // Passes of the main loop until the sync's answers are in.
  void WaitForSync();
  void SyncNow();

  // The dialog "Kalender verbinden…".
  static QWidget* DialogWindow();
  template <class Widget>
  static Widget* Field(const char* name) {
    QWidget* window = DialogWindow();
    return window ? window->findChild<Widget*>(name) : nullptr;
  }
  void Fill(const std::string& address, const std::string& user, const std::string& password);
  // Presses a button and waits until the search or sync it started has ended.
  void Press(const char* button);
  std::string StatusLine();
};

class CalDavProgramTest : public CalendarProgramTest, public ::testing::WithParamInterface<ServerKind> {
 protected:
  void SetUp() override;
  void TearDown() override;

  void StartServer();
  void StopServer();
  std::string Phone(const std::string& args);
  // A first run with kalender.ini written by hand (no user) and these records.
  void Connect(const AppointmentList& records);
  std::vector<std::string> Saved();
  // Picks our calendar where the server holds several.
  void ChooseOurs();

  std::string url_;
  std::string phoneUrl_;  // with the phone's user and password, where the server wants them
  int port_ = 0;
  pid_t server_ = 0;
};
