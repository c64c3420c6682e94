#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/testing/test_probes.h"
#include "shell/state/app_state.h"
#include "tests/organ_tests/organ_text_fixture.h"

namespace {

namespace fs = std::filesystem;

// ---- loading and saving through the field ----

struct RoundTripCase {
  const char* name;
  std::string file;        // org6.dat before
  std::string field;       // the field after loading
  std::string savedBytes;  // org6.dat after "Speichern" without changes
};

class OrganTextRoundTripTest : public OrganTextTest, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(OrganTextRoundTripTest, FieldShowsTheFileAndSavingWritesItBack) {
  const RoundTripCase& c = GetParam();
  PrepareEarlierRunWithTexts();
  WriteFile(TextFile(6), c.file);
  SetTime(2026, 12, 7, 14, 10);  // Dünndarm, organ 6
  Start();
  EXPECT_EQ(Field(), c.field);
  Choose(kCmdFirstOrganEdit + 5);
  EXPECT_EQ(Field(), c.field);
  Choose(kCmdSaveOrganText);
  EXPECT_EQ(ReadFile(TextFile(6)), c.savedBytes);
  EXPECT_EQ(Field(), c.field) << "loads back unchanged";
}

std::string EveryByteButLineEnds() {
  std::string bytes;
  for (int b = 1; b < 256; ++b)
    if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, OrganTextRoundTripTest,
    ::testing::Values(
        RoundTripCase{"Empty", "", "", "\r\n"},
        RoundTripCase{"SavedByTheProgram", "eins\r\nzwei\r\n", "eins\r\nzwei", "eins\r\nzwei\r\n"},
        RoundTripCase{"LastLineWithoutEnd", "eins\r\nzwei", "eins\r\nzwei", "eins\r\nzwei\r\n"},
        RoundTripCase{"LineAndEmptyLine", "eins\r\n\r\n", "eins\r\n", "eins\r\n\r\n"},
        RoundTripCase{"LfOnly", "eins\nzwei\n\ndrei\n", "eins\r\nzwei\r\n\r\ndrei",
                      "eins\r\nzwei\r\n\r\ndrei\r\n"},
        RoundTripCase{"CrOnly", "eins\rzwei\r\rdrei\r", "eins\r\nzwei\r\n\r\ndrei",
                      "eins\r\nzwei\r\n\r\ndrei\r\n"},
        RoundTripCase{"Umlauts", "D\xFCnndarm \x96 Erw\xE4rmer \x80\r\n",
                      "D\xFCnndarm \x96 Erw\xE4rmer \x80", "D\xFCnndarm \x96 Erw\xE4rmer \x80\r\n"},
        RoundTripCase{"EveryWindows1252Byte", EveryByteButLineEnds(), EveryByteButLineEnds(),
                      EveryByteButLineEnds() + "\r\n"}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

TEST_F(OrganTextTest, TheFieldShowsWindows1252BytesAsTheirCharacters) {
  PrepareEarlierRunWithTexts();
  WriteFile(TextFile(6), "D\xFCnndarm \x80\r\n");
  SetTime(2026, 12, 7, 14, 10);
  Start();
  EXPECT_EQ(platform::Utf8(Field()), "Dünndarm €");
}

TEST_F(OrganTextTest, FileNameCaseDoesNotMatter) {
  PrepareEarlierRunWithTexts();
  fs::remove(Dir() / TextFile(4));
  WriteFile("ORG4.DAT", "Gross geschrieben\r\n");
  Start();  // 10:02, Pankreas
  EXPECT_EQ(Field(), "Gross geschrieben");
  Choose(kCmdFirstOrganEdit + 3);
  Type("neu");
  Choose(kCmdSaveOrganText);
  EXPECT_EQ(ReadFile("ORG4.DAT"), "neu\r\n") << "the existing file is replaced under its own name";
  EXPECT_FALSE(Exists(TextFile(4)));
}

// ---- a missing text file ----

TEST_F(OrganTextTest, MissingTextIsReportedAtEveryHourWhileItsOrganIsCurrent) {
  PrepareEarlierRunWithTexts();
  fs::remove(Dir() / TextFile(6));
  SetTime(2026, 12, 7, 12, 59, 59);  // Herz, then Dünndarm at 13:00
  Start();
  EXPECT_EQ(Field(), "Text 5");
  AdvanceSeconds(1);
  const auto boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Fehler!");
  EXPECT_EQ(boxes[0].text, "Organtext Org6.dat nicht gefunden!");
  EXPECT_EQ(boxes[0].icon, platform::MessageIcon::Error);
  EXPECT_EQ(Field(), "Text 5") << "the field keeps the text it had";
  EXPECT_EQ(App().shownOrgan, 6);
  AdvanceMinutes(30);
  EXPECT_TRUE(TakeBoxes().empty()) << "only the change of the hour reloads";
  AdvanceMinutes(30);  // 14:00, still Dünndarm
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{"Organtext Org6.dat nicht gefunden!"});
  AdvanceMinutes(60);  // 15:00, Blase
  EXPECT_TRUE(TakeBoxes().empty());
  EXPECT_EQ(Field(), "Text 7");
  EXPECT_FALSE(Exists(TextFile(6))) << "outside the first run nothing is created";
}

// ---- first run ----

TEST_F(OrganTextTest, FirstRunCopiesTheBackupsAndKeepsAnExistingText) {
  WriteFile(TextFile(3), "Mein Magen\r\n");
  Start();
  EXPECT_TRUE(TakeBoxes().empty());
  for (int n = 1; n <= 12; ++n) {
    if (n == 3) continue;
    EXPECT_EQ(ReadFile(TextFile(n)), ReadFile(BackupFile(n))) << n;
    EXPECT_FALSE(ReadFile(TextFile(n)).empty()) << n;
  }
  EXPECT_EQ(ReadFile(TextFile(3)), "Mein Magen\r\n");
  EXPECT_EQ(ReadFile(TextFile(4)).substr(0, 8), Field().substr(0, 8)) << "10:02 shows Pankreas";
}

TEST_F(OrganTextTest, FirstRunWithoutOneBackupReportsOnlyThatOrgan) {
  fs::remove(Dir() / BackupFile(3));
  Start();  // 10:02: Pankreas is shown, so organ 3's missing text is not loaded
  const auto boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Fehler!");
  EXPECT_EQ(boxes[0].text, "Organtext org3.dat konnte nicht erstellt werden!");
  EXPECT_EQ(boxes[0].icon, platform::MessageIcon::Error);
  EXPECT_FALSE(Exists(TextFile(3)));
  for (int n = 1; n <= 12; ++n) {
    if (n == 3) continue;
    EXPECT_EQ(ReadFile(TextFile(n)), ReadFile(BackupFile(n))) << n;
  }
  EXPECT_TRUE(Exists("konfig.set")) << "start-up goes on";
}

TEST_F(OrganTextTest, FirstRunReportsATextNameThatCannotBeCreated) {
  fs::create_directory(Dir() / TextFile(9));
  fs::create_directory(Dir() / TextFile(11));
  Start();
  EXPECT_EQ(TakeBoxTexts(),
            (std::vector<std::string>{"Organtext org9.dat konnte nicht erstellt werden!",
                                      "Organtext org11.dat konnte nicht erstellt werden!"}));
  EXPECT_TRUE(fs::is_directory(Dir() / TextFile(9)));
  EXPECT_EQ(ReadFile(TextFile(10)), ReadFile(BackupFile(10)));
}

// ---- writes that fail ----

// Lowers the largest file size this process may write, as a full disk would stop it.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

std::vector<std::string> NamesIn(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(OrganTextTest, SaveThatFailsHalfWayKeepsTheOldFileAndTheTypedText) {
  PrepareEarlierRunWithTexts();
  const std::string old = "Alter Text, der bleiben muss\r\n";
  WriteFile(TextFile(4), old);
  Start();
  Choose(kCmdFirstOrganEdit + 3);
  const std::string typed(5000, 'x');
  Type(typed);
  const auto namesBefore = NamesIn(Dir());
  {
    const FileSizeLimit limit(1000);
    Choose(kCmdSaveOrganText);
  }
  const auto boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Fehler!");
  EXPECT_EQ(boxes[0].text, "Text konnte nicht gespeichert werden!");
  EXPECT_EQ(ReadFile(TextFile(4)), old);
  EXPECT_EQ(NamesIn(Dir()), namesBefore) << "no half-written file is left behind";
  // The typed text is still there to be saved again.
  EXPECT_EQ(Field(), typed);
  EXPECT_TRUE(IsBusy());
  EXPECT_EQ(platform::ControlBackground(kCtlOrganText), kYellow);
  EXPECT_TRUE(platform::IsMenuItemEnabled(kMainMenu, kCmdSaveOrganText));
  Choose(kCmdSaveOrganText);
  EXPECT_EQ(ReadFile(TextFile(4)), typed + "\r\n");
  EXPECT_FALSE(IsBusy());
}

TEST_F(OrganTextTest, SaveOverADirectoryIsReportedAndLeavesItAlone) {
  PrepareEarlierRunWithTexts();
  fs::remove(Dir() / TextFile(4));
  fs::create_directory(Dir() / TextFile(4));
  WriteFile(TextFile(4) + "/inside", "keep");
  Start();
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{"Organtext Org4.dat nicht gefunden!"});
  Choose(kCmdFirstOrganEdit + 3);
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{"Organtext Org4.dat nicht gefunden!"});
  Type("neu");
  Choose(kCmdSaveOrganText);
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{"Text konnte nicht gespeichert werden!"});
  EXPECT_EQ(ReadFile(TextFile(4) + "/inside"), "keep");
  Choose(kCmdCancelOrganText);
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{"Organtext Org4.dat nicht gefunden!"});
  EXPECT_FALSE(IsBusy());
}

}  // namespace
