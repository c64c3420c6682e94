// What goes wrong with the calendar server is said in one German sentence: in a
// "Fehler" box when the user asked, in the tray tooltip and the dialog's status line
// when the sync ran by itself. Every case is a real server (or none) on 127.0.0.1.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "calendar/calendar_sync.h"
#include "platform/testing/test_probes.h"
#include "shell/state/identifiers.h"
#include "tests/calendar_tests/caldav_fixture.h"
#include "tests/calendar_tests/command_output.h"

namespace {

// A server that answers every request with 500.
const char* kFailingServer = R"(
import http.server, sys
class Failing(http.server.BaseHTTPRequestHandler):
    def __getattr__(self, name):
        if not name.startswith("do_"):
            raise AttributeError(name)
        def answer():
            self.rfile.read(int(self.headers.get("Content-Length") or 0))
            self.send_response(500)
            self.send_header("Content-Length", "0")
            self.end_headers()
        return answer
    def log_message(self, *args):
        pass
http.server.HTTPServer(("127.0.0.1", int(sys.argv[1])), Failing).serve_forever()
)";

struct ErrorCase {
  const char* name;
  // The server's command line for its folder and port; none for a port nobody listens on.
  std::vector<std::string> (*command)(const std::string& folder, int port);
  const char* scheme;
  const char* path;
  const char* sentence;
};
void PrintTo(const ErrorCase& c, std::ostream* out) { *out << c.name; }

std::vector<std::string> FailingServer(const std::string&, int port) {
  return {"/usr/bin/python3", "-c", kFailingServer, std::to_string(port)};
}

// Radicale over TLS with a certificate made up here, which no one trusts.
std::vector<std::string> RadicaleWithOwnCertificate(const std::string& folder, int port) {
  std::vector<std::string> args = Radicale(folder, port);
  const std::string made =
      CommandOutput("openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 -keyout " +
                    folder + "/key.pem -out " + folder + "/cert.pem");
  if (!std::filesystem::exists(folder + "/cert.pem")) ADD_FAILURE() << made;
  args.insert(args.end(), {"--server-ssl", "True", "--server-certificate", folder + "/cert.pem",
                           "--server-key", folder + "/key.pem"});
  return args;
}

class CalendarErrorTest : public CalendarProgramTest, public ::testing::WithParamInterface<ErrorCase> {
 protected:
  void SetUp() override {
    CalendarProgramTest::SetUp();
    port_ = FreePort();
    url_ = std::string(GetParam().scheme) + "://127.0.0.1:" + std::to_string(port_) + GetParam().path;
    if (!GetParam().command) return;
    server_ = StartProcess(GetParam().command((Dir() / "server").string(), port_));
    for (int i = 0; i < 500 && !Accepts(port_); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(Accepts(port_)) << GetParam().name << " did not start";
  }
  void TearDown() override {
    if (server_ > 0) {
      kill(server_, SIGTERM);
      waitpid(server_, nullptr, 0);
    }
    CalendarProgramTest::TearDown();
  }
  std::string url_;
  int port_ = 0;
  pid_t server_ = 0;
};

TEST_P(CalendarErrorTest, OneSentenceInABoxOnlyWhenTheUserAsked) {
  const std::string sentence = GetParam().sentence;
  CopyDeliveredFiles();
  WriteFile("kalender.ini", "[Kalender]\r\nAdresse=" + url_ + "\r\nBenutzer=\r\n");
  StartWith({Record("08.12.2026", 10, 0, 0, "Arzt")}, 2026, 12, 7, 10, 0);
  const std::string appointments = ReadFile("Term.dat");
  Menu(kCmdHide);
  WaitForSync();
  // By itself: the tooltip's second line, and no box.
  EXPECT_EQ(CalendarSyncStatus(), sentence);
  EXPECT_TRUE(platform::TrayIconTooltip(kTrayIcon).ends_with("\n" + W(sentence.c_str())))
      << platform::TrayIconTooltip(kTrayIcon);
  EXPECT_TRUE(TakeBoxes().empty());

  Menu(kCmdSyncCalendar);
  WaitForSync();
  const std::vector<platform::MessageBoxRecord> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Fehler");
  EXPECT_EQ(boxes[0].text, W(sentence.c_str()));
  EXPECT_EQ(ReadFile("Term.dat"), appointments);

  // Connecting in the dialog: the status line tells what the last sync met, the box
  // what this attempt met; the password typed appears nowhere.
  const std::string password = "Geheim-4711";
  Fill(url_, "anna", password);
  EXPECT_EQ(StatusLine(), sentence);
  Press("Verbinden");
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{sentence});
  EXPECT_EQ(StatusLine(), sentence);
  EXPECT_EQ(platform::TrayIconTooltip(kTrayIcon).find(password), std::string::npos);
  EXPECT_FALSE(AnyFileHolds(Dir(), password));
}

INSTANTIATE_TEST_SUITE_P(
    Servers, CalendarErrorTest,
    ::testing::Values(ErrorCase{"NoServer", nullptr, "http", "/termine/",
                                "Der Kalender-Server ist nicht erreichbar."},
                      ErrorCase{"WrongAddress", Radicale, "http", "/gibt/es/nicht/",
                                "Unter der Adresse wurde kein Kalender gefunden."},
                      ErrorCase{"WrongCredentials", RadicaleWithLogin, "http", "/anna/termine/",
                                "Benutzer oder Passwort für den Kalender stimmen nicht."},
                      ErrorCase{"ServerError", FailingServer, "http", "/termine/",
                                "Der Kalender-Server hat die Anfrage nicht ausgeführt."},
                      ErrorCase{"UntrustedCertificate", RadicaleWithOwnCertificate, "https", "/termine/",
                                "Das Zertifikat des Kalender-Servers ist nicht vertrauenswürdig."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
