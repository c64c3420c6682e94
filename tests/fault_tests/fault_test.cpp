// organclock under faults: damaged files, missing sounds, a full disk. Each gives its
// message (or none), the program keeps running and no existing file is damaged.
#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <string>

#include "platform/menus.h"
#include "platform/testing/ui_driver.h"
#include "platform/windows.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/state/appointment.h"
#include "shell/state/identifiers.h"
#include "shell/state/settings.h"
#include "tests/support/program_fixture.h"

namespace {

std::string RandomBytes(uint32_t seed, size_t length) {
  std::string bytes;
  for (size_t i = 0; i < length; ++i) {
    seed = seed * 1664525u + 1013904223u;
    bytes += static_cast<char>(seed >> 24);
  }
  return bytes;
}

// Makes every write beyond `bytes` bytes fail, as on a full disk, for one scope.
class FullDisk {
 public:
  explicit FullDisk(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FullDisk() { setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_{};
};

class FaultTest : public ProgramTest {
 protected:
  void ExpectRunning() {
    AdvanceMinutes(61);
    EXPECT_TRUE(platform::WindowExists(kMainWindow));
    EXPECT_FALSE(App().exitRequested);
  }
};

TEST_F(FaultTest, RandomBytesInEveryFileAreSurvived) {
  for (uint32_t seed = 1; seed <= 5; ++seed) {
    const std::string settings = RandomBytes(seed, 64);
    const std::string appointments = RandomBytes(seed + 100, 3000);
    const std::string organText = RandomBytes(seed + 200, 500);
    PrepareEarlierRun(settings);
    WriteFile("Term.dat", appointments);
    for (int n = 1; n <= 12; ++n) WriteFile("org" + std::to_string(n) + ".dat", organText);
    Start();
    ExpectRunning();
    TakeBoxes();  // odd chime choices are reported; nothing else matters here
    EXPECT_EQ(ReadFile("konfig.set"), settings);
    EXPECT_EQ(ReadFile("Term.dat"), appointments) << "nothing is written before the user acts";
    ReleaseProgram();
    ResetAppState();
  }
}

TEST_F(FaultTest, MissingSoundsAreReportedAndTheProgramRunsOn) {
  std::remove("hockey.wav");
  std::remove("gong.wav");
  Start();
  const auto texts = TakeBoxTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "Sound konnte nicht geladen werden!");
  EXPECT_EQ(texts[1], "Sound konnte nicht geladen werden!");
  ExpectRunning();
  EXPECT_EQ(App().settings.chimeChoice, ChimeChoice::Gong) << "the choice is kept";
}

TEST_F(FaultTest, AChimeFileThatIsNoSoundIsReportedAtStart) {
  WriteFile("notiz.mp3", "Dies ist kein Klang.\r\n");
  Settings s = DefaultSettings();
  s.chimeChoice = ChimeChoice::UserFile;
  s.chimeFile = (Dir() / "notiz.mp3").string();
  PrepareEarlierRun(EncodeSettings(s));
  Start();
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{"Sound konnte nicht geladen werden!"});
  ExpectRunning();
  EXPECT_EQ(ReadFile("notiz.mp3"), "Dies ist kein Klang.\r\n");
}

TEST_F(FaultTest, AFullDiskKeepsTheOldSettingsAndSaysSo) {
  Start();
  const std::string before = ReadFile("konfig.set");
  {
    FullDisk full(8);
    platform::TriggerMenuItem(kMainMenu, kCmdInterval5);
    Drain();
  }
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{"Konfiguration konnte nicht gespeichert werden!"});
  EXPECT_EQ(ReadFile("konfig.set"), before);
  EXPECT_EQ(App().settings.viewInterval, ViewInterval::Minutes(5))
      << "the choice stays in memory and is written next time";
  platform::TriggerMenuItem(kMainMenu, kCmdInterval10);
  Drain();
  EXPECT_EQ(DecodeSettings(ReadFile("konfig.set")).viewInterval, ViewInterval::Minutes(10));
}

TEST_F(FaultTest, AFullDiskAtExitKeepsEveryOldFile) {
  Start();
  const std::string settings = ReadFile("konfig.set");
  const std::string appointments = std::string("01.01.2030\r\n\x0a\x00\x01Termin\r\n", 22);
  WriteFile("Term.dat", appointments);
  App().settings.viewInterval = ViewInterval::Minutes(3);
  App().Appointments.push_back(Appointment{"02.02.2030", 9, 30, ReminderKind::Hour, "Neu"});
  {
    FullDisk full(4);
    ExitProgram();
  }
  EXPECT_EQ(TakeBoxTexts(), (std::vector<std::string>{"Konfiguration konnte nicht gespeichert werden!",
                                                      "Termin konnte nicht gespeichert werden!"}));
  EXPECT_EQ(ReadFile("konfig.set"), settings);
  EXPECT_EQ(ReadFile("Term.dat"), appointments);
}

TEST_F(FaultTest, SettingsFileThatIsAFolderIsReportedNotCrashed) {
  PrepareEarlierRun("");
  std::remove("konfig.set");
  std::filesystem::create_directory(Dir() / "konfig.set");
  Start();
  // Not a file: reported as unreadable, and never replaced.
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{"Konfiguration konnte nicht gelesen werden!"});
  ExpectRunning();
  EXPECT_TRUE(std::filesystem::is_directory(Dir() / "konfig.set"));
}

}  // namespace
