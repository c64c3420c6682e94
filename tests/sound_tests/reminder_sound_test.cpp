#include <filesystem>

#include "platform/media_commands.h"
#include "platform/sounds.h"
#include "platform/testing/test_probes.h"
#include "shell/program.h"
#include "shell/state/app_state.h"
#include "shell/state/identifiers.h"
#include "sound/reminder_sound.h"
#include "tests/sound_tests/sound_fixture.h"

namespace {

class ReminderSoundTest : public SoundTest {};

TEST_F(ReminderSoundTest, IsLoadedAtStartAndPlaysOnceEachTime) {
  Start();
  EXPECT_TRUE(platform::IsSoundLoaded(kSoundReminder));
  EXPECT_EQ(platform::SoundPlayCount(kSoundReminder), 0) << "the chime is not the reminder sound";
  PlayReminderSound();
  PlayReminderSound();
  EXPECT_EQ(platform::SoundPlayCount(kSoundReminder), 2);
  EXPECT_TRUE(TakeBoxes().empty());
}

TEST_F(ReminderSoundTest, NameIsMatchedWithoutRegardToCase) {
  std::filesystem::rename(Dir() / "hockey.wav", Dir() / "Hockey.WAV");
  Start();
  EXPECT_TRUE(platform::IsSoundLoaded(kSoundReminder));
}

struct BadReminderFile {
  const char* name;
  bool present;
  const char* content;
};

class UnusableReminderSound : public SoundTest, public ::testing::WithParamInterface<BadReminderFile> {};

TEST_P(UnusableReminderSound, IsReportedAndTheProgramRunsOnSilently) {
  std::filesystem::remove(Dir() / "hockey.wav");
  if (GetParam().present) WriteFile("hockey.wav", GetParam().content);
  Start();
  EXPECT_EQ(TakeBoxTexts(), std::vector<std::string>{"Sound konnte nicht geladen werden!"});
  EXPECT_FALSE(platform::IsSoundLoaded(kSoundReminder));
  PlayReminderSound();  // plays nothing, fails nothing
  EXPECT_EQ(platform::SoundPlayCount(kSoundReminder), 0);
  EXPECT_TRUE(App().ChimeLoaded) << "the chime does not depend on the reminder sound";
  EXPECT_TRUE(TakeBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Files, UnusableReminderSound,
                         ::testing::Values(BadReminderFile{"Missing", false, ""},
                                           BadReminderFile{"Empty", true, ""},
                                           BadReminderFile{"NotASound", true, "RIFF....WAVEfmt kaputt"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A machine without a sound device: both messages, the program runs on, and the chime
// keeps its choice and opens; its plays simply make no sound.
TEST_F(ReminderSoundTest, WithoutASoundDeviceTheProgramRunsOn) {
  ScopedEnv noDevice("SDL_AUDIODRIVER", "no-such-driver");
  SetTime(2026, 12, 7, 9, 59);
  Start();
  EXPECT_EQ(TakeBoxTexts(), (std::vector<std::string>{"Sound konnte nicht Initialisiert werden!",
                                                      "Sound konnte nicht geladen werden!"}));
  EXPECT_FALSE(platform::IsSoundOutputOpen());
  EXPECT_TRUE(App().ChimeLoaded);
  EXPECT_EQ(PlaysSent(), 1);
  AdvanceMinutes(1);
  EXPECT_EQ(PlaysSent(), 2);
  PlayReminderSound();
  EXPECT_EQ(App().shownOrgan, 4);
  EXPECT_TRUE(TakeBoxes().empty());
}

TEST_F(ReminderSoundTest, ShutdownFreesTheSoundsAndTheOutput) {
  Start();
  ASSERT_TRUE(platform::IsSoundOutputOpen());
  ExitProgram();
  EXPECT_FALSE(platform::IsSoundOutputOpen());
  EXPECT_FALSE(platform::IsSoundLoaded(kSoundReminder));
  EXPECT_EQ(platform::OpenMediaDeviceCount(), 0);
  // A fresh start opens everything again.
  Start();
  EXPECT_TRUE(platform::IsSoundLoaded(kSoundReminder));
  EXPECT_TRUE(App().ChimeLoaded);
}

}  // namespace
