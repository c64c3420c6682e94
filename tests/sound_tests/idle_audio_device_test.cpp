// The audio device is open only while something plays: an idle organclock must not
// keep SDL's audio thread waking it. Loaded sounds and the opened chime survive the
// closing and play again when asked.
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>

#include "platform/audio_mixer.h"
#include "platform/events.h"
#include "platform/media_commands.h"
#include "platform/sounds.h"
#include "platform/testing/test_probes.h"
#include "shell/state/identifiers.h"
#include "tests/sound_tests/sound_fixture.h"

namespace {

struct Player {
  const char* name;
  std::function<bool()> load;  // takes its hold on the mixer and loads the sound
  std::function<bool()> play;
  std::function<bool()> playing;
};

const Player kPlayers[] = {
    {"ReminderSound",
     [] { return platform::InitSoundOutput() && platform::LoadSound(kSoundReminder, "hockey.wav"); },
     [] { return platform::PlaySound(kSoundReminder); },
     [] { return platform::SoundPlayCount(kSoundReminder) > 0; }},
    {"Chime",
     [] { return platform::SendMediaCommand("OPEN \"gong.wav\" Type MPEGVIDEO ALIAS MP3_16") == 0; },
     [] { return platform::SendMediaCommand("play MP3_16 from 0") == 0; },
     [] { return platform::IsMediaPlaying("MP3_16"); }},
};

class IdleAudioDeviceTest : public SoundTest, public testing::WithParamInterface<Player> {
 protected:
  void TearDown() override {
    platform::CloseSoundOutput();
    SoundTest::TearDown();
  }
};

TEST_P(IdleAudioDeviceTest, ClosesWhileIdleAndOpensAgainToPlay) {
  const Player& player = GetParam();
  ASSERT_TRUE(player.load());
  ASSERT_TRUE(platform::mixer::DeviceOpen());

  platform::mixer::SuspendWhenIdle();
  EXPECT_FALSE(platform::mixer::DeviceOpen()) << "nothing plays, so no device";
  EXPECT_NE(platform::mixer::Current(), platform::mixer::Output::None) << "the mixer itself stays";

  ASSERT_TRUE(player.play()) << "the sound loaded before the closing still plays";
  EXPECT_TRUE(platform::mixer::DeviceOpen());
  EXPECT_TRUE(player.playing());
  platform::mixer::SuspendWhenIdle();
  EXPECT_TRUE(platform::mixer::DeviceOpen()) << "a running sound is not cut off";
}

TEST_P(IdleAudioDeviceTest, MainLoopPassClosesTheIdleDevice) {
  StartSilent();
  ASSERT_TRUE(GetParam().load());
  ASSERT_TRUE(platform::mixer::DeviceOpen());
  Pass();
  EXPECT_FALSE(platform::mixer::DeviceOpen());
}

// A fifth of a second of silence, 16-bit mono at 44.1 kHz.
void WriteShortWav(const std::string& path) {
  const uint32_t samples = 8820, dataBytes = samples * 2;
  std::string header = "RIFF....WAVEfmt ";
  auto put32 = [&header](uint32_t v) {
    for (int i = 0; i < 4; ++i) header += static_cast<char>(v >> (8 * i));
  };
  auto put16 = [&header](uint16_t v) {
    header += static_cast<char>(v);
    header += static_cast<char>(v >> 8);
  };
  put32(16);
  put16(1);
  put16(1);
  put32(44100);
  put32(88200);
  put16(2);
  put16(16);
  header += "data";
  put32(dataBytes);
  const uint32_t riff = static_cast<uint32_t>(header.size() - 8 + dataBytes);
  for (int i = 0; i < 4; ++i) header[4 + i] = static_cast<char>(riff >> (8 * i));
  std::ofstream(path, std::ios::binary) << header << std::string(dataBytes, '\0');
}

// The end of a sound wakes the sleeping main loop, which then closes the device at once
// rather than at its next look at the clock.
TEST_F(SoundTest, TheEndOfASoundEndsTheWaitAndTheIdleDeviceCloses) {
  StartSilent();
  WriteShortWav("kurz.wav");
  WriteSilentMp3("kurz.mp3", 8);
  const std::function<bool()> plays[] = {
      [] {
        return platform::InitSoundOutput() && platform::LoadSound(kSoundReminder, "kurz.wav") &&
               platform::PlaySound(kSoundReminder);
      },
      [] {
        return platform::SendMediaCommand("OPEN \"kurz.mp3\" Type MPEGVIDEO ALIAS MP3_16") == 0 &&
               platform::SendMediaCommand("play MP3_16 from 0") == 0;
      }};
  platform::Event event;
  for (const auto& play : plays) {
    while (platform::WaitEvent(0, event) != platform::WaitEnd::TimedOut) {
    }
    ASSERT_TRUE(play());
    ASSERT_TRUE(platform::mixer::DeviceOpen());
    EXPECT_EQ(platform::WaitEvent(1000, event), platform::WaitEnd::Woken)
        << "ended by the sound, not the time";
    Pass();
    EXPECT_FALSE(platform::mixer::DeviceOpen());
  }
  platform::CloseSoundOutput();
}

INSTANTIATE_TEST_SUITE_P(Sounds, IdleAudioDeviceTest, testing::ValuesIn(kPlayers),
                         [](const testing::TestParamInfo<Player>& info) { return info.param.name; });

}  // namespace
