// The audio device is open only while something plays: an idle organclock must not
// keep SDL's audio thread waking it. Loaded sounds and the opened chime survive the
// closing and play again when asked.
#include <functional>

#include "platform/audio_mixer.h"
#include "platform/events.h"
#include "platform/media_commands.h"
#include "platform/sounds.h"
#include "platform/test_probes.h"
#include "tests/sound_tests/sound_fixture.h"

namespace {

struct Player {
  const char* name;
  std::function<bool()> load;  // takes its hold on the mixer and loads the sound
  std::function<bool()> play;
  std::function<bool()> playing;
};

const Player kPlayers[] = {
    {"ReminderSound", [] { return platform::InitSoundOutput() && platform::LoadSound(15, "hockey.wav"); },
     [] { return platform::PlaySound(15); }, [] { return platform::SoundPlayCount(15) > 0; }},
    {"Chime", [] { return platform::SendMediaCommand("OPEN \"gong.wav\" Type MPEGVIDEO ALIAS MP3_16") == 0; },
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
  ASSERT_TRUE(GetParam().load());
  ASSERT_TRUE(platform::mixer::DeviceOpen());
  platform::Event event;
  platform::WaitEvent(0, event);
  EXPECT_FALSE(platform::mixer::DeviceOpen());
}

INSTANTIATE_TEST_SUITE_P(Sounds, IdleAudioDeviceTest, testing::ValuesIn(kPlayers),
                         [](const testing::TestParamInfo<Player>& info) { return info.param.name; });

}  // namespace
