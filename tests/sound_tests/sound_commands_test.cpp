#include <filesystem>

#include "commands/dispatch.h"
#include "platform/cp1252.h"
#include "platform/media_commands.h"
#include "platform/menus.h"
#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "sound/chime.h"
#include "tests/sound_tests/sound_fixture.h"

namespace {

const std::string kPlay = "play MP3_16 from 0";
const std::string kClose = "close MP3_16";

class SoundCommandsTest : public SoundTest {
 protected:
  void Choose(int item) {
    platform::TriggerMenuItem(kMainMenu, item);
    Drain();
  }
  // The checked one of the chime items (kCmdChimeGong ... kCmdChimeOff), or -1 when not exactly one is
  // checked.
  static int CheckedChimeItem() {
    int checked = -1, count = 0;
    for (const int item : {kCmdChimeGong, kCmdChimeVesk, kCmdChimeMp3, kCmdChimeOff})
      if (platform::IsMenuItemChecked(kMainMenu, item)) checked = item, ++count;
    return count == 1 ? checked : -1;
  }
  // A silent MP3 in a folder whose name holds a blank and an umlaut; its
  // Windows-1252 full path.
  std::string MakeUserMp3() {
    std::filesystem::create_directory(Dir() / "Meine Klänge");
    const std::string utf8 = (Dir() / "Meine Klänge" / "Glocke 2.mp3").string();
    WriteSilentMp3(utf8);
    return platform::Cp1252(utf8);
  }
};

TEST_F(SoundCommandsTest, GongOpensItAndPlaysItOnceAsPreview) {
  WriteSettings(0);
  Start();
  platform::ClearSentMediaCommands();
  Choose(kCmdChimeGong);
  EXPECT_EQ(Sent(), (std::vector<std::string>{kClose, ChimeOpenCommand("gong.wav"), kPlay}));
  EXPECT_TRUE(App().ChimeLoaded);
  EXPECT_EQ(CheckedChimeItem(), kCmdChimeGong);
  EXPECT_EQ(SavedSettings().chimeChoice, ChimeChoice::Gong);
}

TEST_F(SoundCommandsTest, OffClosesTheChimeSilentlyAndWritesZero) {
  Start();
  platform::ClearSentMediaCommands();
  Choose(kCmdChimeOff);
  EXPECT_EQ(Sent(), std::vector<std::string>{kClose});
  EXPECT_FALSE(App().ChimeLoaded);
  EXPECT_EQ(platform::OpenMediaDeviceCount(), 0);
  EXPECT_EQ(CheckedChimeItem(), kCmdChimeOff);
  EXPECT_EQ(SavedSettings().chimeChoice, ChimeChoice::Off);
  EXPECT_TRUE(TakeBoxes().empty());
  AdvanceMinutes(60);
  EXPECT_EQ(PlaysSent(), 0);
}

TEST_F(SoundCommandsTest, Mp3AsksForAFileOpensAndPlaysIt) {
  Start();
  const std::string path = MakeUserMp3();
  AnswerNextFileDialog(path);
  platform::ClearSentMediaCommands();
  Choose(kCmdChimeMp3);
  EXPECT_EQ(Sent(), (std::vector<std::string>{kClose, ChimeOpenCommand(path), kPlay}));
  EXPECT_TRUE(App().ChimeLoaded);
  EXPECT_EQ(CheckedChimeItem(), kCmdChimeMp3);
  const Settings saved = SavedSettings();
  EXPECT_EQ(saved.chimeChoice, ChimeChoice::UserFile);
  EXPECT_EQ(saved.chimeFile, path);
  EXPECT_TRUE(TakeBoxes().empty());
}

TEST_F(SoundCommandsTest, FileDialogOffersTheFiltersAndStartsAtTheCurrentFile) {
  const std::string current = MakeUserMp3();
  WriteSettings(3, current);
  Start();
  Choose(kCmdChimeMp3);  // cancelled
  ASSERT_EQ(fileDialogs.size(), 1u);
  const platform::FileDialogRequest& request = fileDialogs[0];
  EXPECT_EQ(request.title, "");
  EXPECT_EQ(request.filters, W("MP3|*.mp3|Wave|*.wav|Alle unterstützten Formate|*.mp3;*.wav"));
  EXPECT_EQ(request.selectedFilter, 2);
  EXPECT_EQ(request.startFolder, platform::Cp1252((Dir() / "Meine Klänge").string()));
  EXPECT_EQ(request.proposedName, "Glocke 2.mp3");
}

TEST_F(SoundCommandsTest, CancelledFileDialogChangesNothing) {
  Start();
  const std::string before = ReadFile("konfig.set");
  platform::ClearSentMediaCommands();
  Choose(kCmdChimeMp3);
  EXPECT_EQ(fileDialogs.size(), 1u);
  EXPECT_TRUE(Sent().empty()) << "the gong stays open and nothing plays";
  EXPECT_TRUE(App().ChimeLoaded);
  EXPECT_EQ(CheckedChimeItem(), kCmdChimeGong);
  EXPECT_EQ(App().settings.chimeChoice, ChimeChoice::Gong);
  EXPECT_EQ(ReadFile("konfig.set"), before);
}

struct UnusableCase {
  const char* name;
  std::string (*path)(const std::filesystem::path& dir);
};

class UnusableChimePath : public SoundCommandsTest, public ::testing::WithParamInterface<UnusableCase> {};

// Paths that the settings line or the media command cannot carry, or whose folder is
// gone, are refused with a message like a cancel: nothing else changes.
TEST_P(UnusableChimePath, IsRefusedAndChangesNothing) {
  Start();
  const std::string before = ReadFile("konfig.set");
  AnswerNextFileDialog(GetParam().path(Dir()));
  platform::ClearSentMediaCommands();
  Choose(kCmdChimeMp3);
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{"Diese Datei kann nicht verwendet werden!"});
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(CheckedChimeItem(), kCmdChimeGong);
  EXPECT_EQ(ReadFile("konfig.set"), before);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, UnusableChimePath,
    ::testing::Values(
        UnusableCase{"LineBreak", [](const std::filesystem::path& d) { return d.string() + "/a\nb.mp3"; }},
        UnusableCase{"DoubleQuote",
                     [](const std::filesystem::path& d) { return d.string() + "/a\"b.mp3"; }},
        UnusableCase{"MissingFolder",
                     [](const std::filesystem::path& d) { return d.string() + "/weg/a.mp3"; }},
        UnusableCase{"NoFolder", [](const std::filesystem::path&) { return std::string("a.mp3"); }},
        UnusableCase{"TooLong",
                     [](const std::filesystem::path& d) {
                       return d.string() + "/" + std::string(250, 'x') + ".mp3";
                     }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SoundCommandsTest, ChosenFileThatDoesNotPlayKeepsTheChoiceAndSaysSo) {
  Start();
  WriteFile("liste.mp3", "keine Musik");
  AnswerNextFileDialog(platform::Cp1252((Dir() / "liste.mp3").string()));
  Choose(kCmdChimeMp3);
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{"Sound konnte nicht geladen werden!"});
  EXPECT_FALSE(App().ChimeLoaded);
  EXPECT_EQ(CheckedChimeItem(), kCmdChimeMp3);
  EXPECT_EQ(SavedSettings().chimeChoice, ChimeChoice::UserFile);
  EXPECT_EQ(PlaysSent(), 1) << "only the start-up chime";
}

TEST_F(SoundCommandsTest, DrVeskStaysGreyedAndDoesNothing) {
  Start();
  EXPECT_FALSE(platform::IsMenuItemEnabled(kMainMenu, kCmdChimeVesk));
  Choose(kCmdChimeOff);
  Choose(kCmdChimeGong);
  EXPECT_FALSE(platform::IsMenuItemEnabled(kMainMenu, kCmdChimeVesk));
  const std::string before = ReadFile("konfig.set");
  platform::ClearSentMediaCommands();
  DispatchCommand(kCmdChimeVesk);  // as if it were chosen after all
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(CheckedChimeItem(), kCmdChimeGong);
  EXPECT_EQ(ReadFile("konfig.set"), before);
}

TEST_F(SoundCommandsTest, ReminderSoundItemTogglesAndWritesZeroAndOne) {
  Start();
  EXPECT_TRUE(platform::IsMenuItemChecked(kMainMenu, kCmdReminderSound));
  Choose(kCmdReminderSound);
  EXPECT_FALSE(platform::IsMenuItemChecked(kMainMenu, kCmdReminderSound));
  EXPECT_EQ(SavedSettings().reminderSoundAsStored, 0);
  Choose(kCmdReminderSound);
  EXPECT_TRUE(platform::IsMenuItemChecked(kMainMenu, kCmdReminderSound));
  EXPECT_EQ(SavedSettings().reminderSoundAsStored, 1);
  EXPECT_EQ(SavedSettings().chimeChoice, ChimeChoice::Gong) << "the chime does not depend on it";
}

// Silent by an odd byte that an earlier version or a hand left: choosing another setting,
// while another machine changes a third one, writes that byte back as it was.
TEST_F(SoundCommandsTest, AnOddReminderByteSurvivesOtherSettingsChanges) {
  WriteSettings(1, "", 5);
  Start();
  std::string theirs = ReadFile("konfig.set");
  theirs[theirs.size() - 2] = 5;  // the other machine chose "5 Min."
  WriteFile("konfig.set.other", theirs);
  std::filesystem::rename(Dir() / "konfig.set.other", Dir() / "konfig.set");
  Choose(kCmdChimeOff);
  std::string expected = theirs;
  const size_t chimeByte = std::string(kDefaultKeptLine).size() + 2 + 8;
  ASSERT_EQ(expected[chimeByte + 1], 5);
  expected[chimeByte] = 0;
  EXPECT_EQ(ReadFile("konfig.set"), expected);
  EXPECT_FALSE(platform::IsMenuItemChecked(kMainMenu, kCmdReminderSound));
}

TEST_F(SoundCommandsTest, ReminderSoundOfAnOddValueCountsAsOffAndBecomesOne) {
  WriteSettings(1, "", 5);
  Start();
  EXPECT_FALSE(platform::IsMenuItemChecked(kMainMenu, kCmdReminderSound));
  Choose(kCmdReminderSound);
  EXPECT_EQ(SavedSettings().reminderSoundAsStored, 1);
}

}  // namespace
