// A file of the program that exists but cannot be read is reported, and the running
// program never writes it: a change to what it holds is said once to be unsaveable,
// and at the end the file is as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "appointments/appointment_list.h"
#include "platform/testing/ui_driver.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "shell/state/settings.h"
#include "tests/support/program_fixture.h"

namespace fs = std::filesystem;

namespace {

enum class Thing { NoPermission, Fifo, LinkToDevZero, LinkToDevNull };

struct FileCase {
  const char* file;
  const char* readMessage;               // at start-up
  std::vector<std::string> firstChange;  // the boxes of the first change
  std::vector<std::string> laterChange;  // and of the next
  int change;                            // the menu command that changes what the file holds
};

const FileCase kTermDat{
    "Term.dat", "Termine nicht gefunden! Term.dat", {"Termin konnte nicht gespeichert werden!"}, {}, -1};
const FileCase kKonfigSet{"konfig.set",
                          "Konfiguration konnte nicht gelesen werden!",
                          {"Konfiguration konnte nicht gespeichert werden!"},
                          {},
                          kCmdChimeOff};
// At 10:02 Pankreas (organ 4) is shown. Each edit loads the text again and says so, and
// each "Speichern" is the user's own command, so its refusal is said each time.
const FileCase kOrganText{"org4.dat",
                          "Organtext Org4.dat nicht gefunden!",
                          {"Organtext Org4.dat nicht gefunden!", "Text konnte nicht gespeichert werden!"},
                          {"Text konnte nicht gespeichert werden!"},
                          kCmdSaveOrganText};

class UnreadableFileTest : public ProgramTest,
                           public ::testing::WithParamInterface<std::tuple<FileCase, Thing>> {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    if (std::get<1>(GetParam()) == Thing::NoPermission && ::geteuid() == 0)
      GTEST_SKIP() << "root reads files of any permission";
  }
  const FileCase& File() const { return std::get<0>(GetParam()); }
  void PutInPlace() {
    const std::string name = File().file;
    fs::remove(name);
    switch (std::get<1>(GetParam())) {
      case Thing::NoPermission:
        WriteFile(name, EncodeSettings(DefaultSettings()));
        fs::permissions(name, fs::perms::none);
        break;
      case Thing::Fifo: ASSERT_EQ(::mkfifo(name.c_str(), 0600), 0); break;
      case Thing::LinkToDevZero: fs::create_symlink("/dev/zero", name); break;
      case Thing::LinkToDevNull: fs::create_symlink("/dev/null", name); break;
    }
  }
  std::string Describe() const {
    const std::string name = File().file;
    const fs::file_status s = fs::symlink_status(name);
    std::string out = std::to_string(static_cast<int>(s.type())) + " " +
                      std::to_string(static_cast<int>(s.permissions()));
    if (fs::is_symlink(s)) out += " -> " + fs::read_symlink(name).string();
    else if (fs::is_regular_file(s)) out += " " + std::to_string(fs::file_size(name));
    return out;
  }
  // An earlier run's directory with the file's stand-in; the program started in it has
  // said that the file cannot be read. Returns what the stand-in was.
  std::string StartWithTheFileInPlace() {
    PrepareEarlierRun(EncodeSettings(DefaultSettings()));
    PutInPlace();
    const std::string before = Describe();
    SetTime(2026, 12, 7, 10, 2);
    Start();
    EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{File().readMessage});
    return before;
  }
  void Change() {
    if (File().change < 0) {
      App().Appointments.push_back({"09.12.2026", 9, 0, ReminderKind::None, "Zahnarzt"});
      SaveAppointments();
    } else {
      // An organ text is changed in its editor: the edit is begun once.
      if (File().change == kCmdSaveOrganText && !App().editedOrgan) {
        platform::TriggerMenuItem(kMainMenu, kCmdFirstOrganEdit + 3);
        Drain();
      }
      platform::TriggerMenuItem(kMainMenu, File().change);
      Drain();
    }
  }
};

TEST_P(UnreadableFileTest, IsReportedAndNeverWritten) {
  const std::string before = StartWithTheFileInPlace();
  Change();
  EXPECT_EQ(TakeBoxTexts(), File().firstChange);
  Change();
  EXPECT_EQ(TakeBoxTexts(), File().laterChange) << "the file's refusal is said once only";
  if (File().change == kCmdSaveOrganText) {
    platform::TriggerMenuItem(kMainMenu, kCmdCancelOrganText);
    Drain();
    EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{File().readMessage}) << "the shown organ again";
  }
  ExitProgram();
  EXPECT_TRUE(TakeBoxTexts().empty());
  EXPECT_EQ(Describe(), before);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_TRUE(fs::is_character_file("/dev/zero"));
  for (const auto& entry : fs::directory_iterator(Dir()))
    EXPECT_NE(entry.path().filename().string()[0], '.') << "temporary file left: " << entry.path();
}

TEST_P(UnreadableFileTest, AQuitWithoutAChangeSaysNothing) {
  const std::string before = StartWithTheFileInPlace();
  ExitProgram();
  EXPECT_TRUE(TakeBoxTexts().empty());
  EXPECT_EQ(Describe(), before);
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<FileCase, Thing>>& info) {
  static const char* const kThings[] = {"NoPermission", "Fifo", "LinkToDevZero", "LinkToDevNull"};
  std::string name;
  for (const char c : std::string(std::get<0>(info.param).file))
    if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  return name + kThings[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadableFileTest,
                         ::testing::Combine(::testing::Values(kTermDat, kKonfigSet, kOrganText),
                                            ::testing::Values(Thing::NoPermission, Thing::Fifo,
                                                              Thing::LinkToDevZero, Thing::LinkToDevNull)),
                         CaseName);

TEST_F(ProgramTest, LeftoversOfKilledSavesGoAtStart) {
  PrepareEarlierRun(EncodeSettings(DefaultSettings()));
  for (const char* name :
       {".Term.dat.Ab12Cd", ".konfig.set.x1y2z3", ".org4.dat.000000", ".Term.dat.syncthing.tmp"})
    WriteFile(name, "x");
  SetTime(2026, 12, 7, 10, 2);
  Start();
  EXPECT_FALSE(Exists(".Term.dat.Ab12Cd"));
  EXPECT_FALSE(Exists(".konfig.set.x1y2z3"));
  EXPECT_FALSE(Exists(".org4.dat.000000"));
  EXPECT_TRUE(Exists(".Term.dat.syncthing.tmp")) << "another program's file stays";
}

}  // namespace
