#include <filesystem>

#include "platform/cp1252.h"
#include "platform/media_commands.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "sound/chime.h"
#include "tests/sound_tests/sound_fixture.h"

namespace {

const std::string kOpenGong = "OPEN \"gong.wav\" Type MPEGVIDEO ALIAS MP3_16";
const std::string kPlay = "play MP3_16 from 0";
const std::string kClose = "close MP3_16";
const std::string kNotLoaded = "Sound konnte nicht geladen werden!";

class ChimeTest : public SoundTest {};

TEST_F(ChimeTest, CommandTextsAreBuiltExactly) {
  EXPECT_EQ(ChimeOpenCommand("gong.wav"), kOpenGong);
  EXPECT_EQ(ChimeOpenCommand(W("/home/anna/Klänge/mein gong.mp3")),
            W("OPEN \"/home/anna/Klänge/mein gong.mp3\" Type MPEGVIDEO ALIAS MP3_16"));
  EXPECT_EQ(ChimePlayCommand(), kPlay);
  EXPECT_EQ(ChimeCloseCommand(), kClose);
}

TEST_F(ChimeTest, StartUpClosesThenOpensTheGongAndTheFirstPassPlaysIt) {
  Start(false);
  EXPECT_EQ(Sent(), (std::vector<std::string>{kClose, kOpenGong}));
  EXPECT_TRUE(App().ChimeLoaded);
  Pass();
  EXPECT_EQ(Sent().back(), kPlay);
  EXPECT_TRUE(platform::IsMediaPlaying("MP3_16"));
  EXPECT_TRUE(TakeBoxes().empty());
}

// What start-up makes of each stored chime choice.
struct ChoiceCase {
  const char* name;
  int choice;
  enum { NoFile, UserMp3, DeletedUserFile, NotAudio, QuoteInPath } file;
  bool deleteGong;
  bool loaded;
  bool message;
};

class ChimeChoiceAtStart : public SoundTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(ChimeChoiceAtStart, LoadsOrSaysSo) {
  const ChoiceCase& c = GetParam();
  std::string chimeFile;
  if (c.file != ChoiceCase::NoFile) {
    std::filesystem::create_directory(Dir() / "Meine Klänge");
    const std::string utf8 =
        (Dir() / "Meine Klänge" / (c.file == ChoiceCase::QuoteInPath ? "a\"b.mp3" : "Stunde 1.mp3"))
            .string();
    if (c.file == ChoiceCase::UserMp3 || c.file == ChoiceCase::QuoteInPath) WriteSilentMp3(utf8);
    if (c.file == ChoiceCase::NotAudio) WriteFile("Meine Klänge/Stunde 1.mp3", "kein Klang");
    chimeFile = platform::Cp1252(utf8);
  }
  if (c.deleteGong) std::filesystem::remove(Dir() / "gong.wav");
  WriteSettings(c.choice, chimeFile);
  Start();
  EXPECT_EQ(App().ChimeLoaded, c.loaded);
  EXPECT_EQ(TakeBoxTexts(), c.message ? std::vector<std::string>{kNotLoaded} : std::vector<std::string>{});
  EXPECT_EQ(App().settings.chimeChoice, static_cast<ChimeChoice>(c.choice)) << "the choice is kept";
  EXPECT_EQ(App().settings.chimeFile, chimeFile);
  EXPECT_EQ(PlaysSent(), c.loaded ? 1 : 0) << "the first pass plays what is open";
  const auto& sent = Sent();
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent.front(), kClose) << "the close comes first, whatever is open";
  if (c.choice == 3 && c.file != ChoiceCase::QuoteInPath) {
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[1], ChimeOpenCommand(chimeFile));
  }
  if (c.choice == 0 || c.choice == 2 || c.file == ChoiceCase::QuoteInPath) {
    EXPECT_EQ(sent.size(), 1u) << "nothing is opened";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ChimeChoiceAtStart,
    ::testing::Values(ChoiceCase{"Off", 0, ChoiceCase::NoFile, false, false, false},
                      ChoiceCase{"Gong", 1, ChoiceCase::NoFile, false, true, false},
                      ChoiceCase{"GongMissing", 1, ChoiceCase::NoFile, true, false, true},
                      ChoiceCase{"DrVesk", 2, ChoiceCase::NoFile, false, false, true},
                      ChoiceCase{"UserFile", 3, ChoiceCase::UserMp3, false, true, false},
                      ChoiceCase{"UserFileDeleted", 3, ChoiceCase::DeletedUserFile, false, false, true},
                      ChoiceCase{"UserFileNotAudio", 3, ChoiceCase::NotAudio, false, false, true},
                      ChoiceCase{"UserPathWithQuote", 3, ChoiceCase::QuoteInPath, false, false, true},
                      ChoiceCase{"UserFileEmpty", 3, ChoiceCase::NoFile, false, false, true},
                      ChoiceCase{"UnknownValue", 7, ChoiceCase::NoFile, false, false, true},
                      ChoiceCase{"UserFileKeptWhileGong", 1, ChoiceCase::UserMp3, false, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChimeTest, SoundsAtEveryHourChangeEvenWithoutAnOrganChange) {
  SetTime(2026, 12, 7, 1, 58);
  Start();
  EXPECT_EQ(PlaysSent(), 1);
  AdvanceMinutes(1);  // 01:59
  EXPECT_EQ(PlaysSent(), 1) << "minutes alone do not chime";
  AdvanceMinutes(1);  // 02:00, still Leber
  EXPECT_EQ(App().shownOrgan, 12);
  EXPECT_EQ(PlaysSent(), 2);
  AdvanceMinutes(60);  // 03:00, Lunge
  EXPECT_EQ(App().shownOrgan, 1);
  EXPECT_EQ(PlaysSent(), 3);
  AdvanceSeconds(20);
  EXPECT_EQ(PlaysSent(), 3);
}

TEST_F(ChimeTest, BusyHourIsSkippedNotPlayedLate) {
  SetTime(2026, 12, 7, 8, 58);
  Start();
  EXPECT_EQ(PlaysSent(), 1);
  App().editor = EditorState::Entering;
  AdvanceMinutes(3);  // 09:01
  EXPECT_EQ(PlaysSent(), 1);
  App().editor = EditorState::Closed;
  AdvanceMinutes(1);
  EXPECT_EQ(PlaysSent(), 1) << "the 09:00 chime is not played late";
  AdvanceMinutes(59);  // 10:00
  EXPECT_EQ(PlaysSent(), 2);
}

TEST_F(ChimeTest, ChimeOffNeitherOpensNorPlays) {
  WriteSettings(0);
  SetTime(2026, 12, 7, 9, 59);
  Start();
  AdvanceMinutes(1);
  EXPECT_EQ(PlaysSent(), 0);
  EXPECT_EQ(platform::OpenMediaDeviceCount(), 0);
}

TEST_F(ChimeTest, ShutdownClosesTheChime) {
  Start();
  ASSERT_EQ(platform::OpenMediaDeviceCount(), 1);
  ReleaseProgram();
  EXPECT_EQ(Sent().back(), kClose);
  EXPECT_EQ(platform::OpenMediaDeviceCount(), 0);
  EXPECT_FALSE(App().ChimeLoaded);
}

}  // namespace
