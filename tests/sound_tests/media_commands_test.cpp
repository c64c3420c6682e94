#include <filesystem>

#include "platform/cp1252.h"
#include "platform/media_commands.h"
#include "tests/sound_tests/sound_fixture.h"

namespace {

using platform::SendMediaCommand;

class MediaCommandsTest : public SoundTest {};

TEST_F(MediaCommandsTest, OpensTheGongPlaysItAndClosesIt) {
  EXPECT_EQ(SendMediaCommand("OPEN \"gong.wav\" Type MPEGVIDEO ALIAS MP3_16"), 0);
  EXPECT_EQ(platform::OpenMediaDeviceCount(), 1);
  EXPECT_EQ(SendMediaCommand("play MP3_16 from 0"), 0);
  EXPECT_TRUE(platform::IsMediaPlaying("MP3_16")) << "play returns while the sound runs on";
  EXPECT_EQ(SendMediaCommand("play MP3_16 from 0"), 0) << "a second play starts it again";
  EXPECT_TRUE(platform::IsMediaPlaying("MP3_16"));
  EXPECT_EQ(SendMediaCommand("close MP3_16"), 0);
  EXPECT_EQ(platform::OpenMediaDeviceCount(), 0);
  EXPECT_FALSE(platform::IsMediaPlaying("MP3_16"));
  EXPECT_NE(SendMediaCommand("play MP3_16 from 0"), 0) << "the alias is gone";
  EXPECT_EQ(SendMediaCommand("OPEN \"gong.wav\" Type MPEGVIDEO ALIAS MP3_16"), 0) << "and free again";
  EXPECT_EQ(Sent(),
            (std::vector<std::string>{"OPEN \"gong.wav\" Type MPEGVIDEO ALIAS MP3_16", "play MP3_16 from 0",
                                      "play MP3_16 from 0", "close MP3_16", "play MP3_16 from 0",
                                      "OPEN \"gong.wav\" Type MPEGVIDEO ALIAS MP3_16"}));
}

TEST_F(MediaCommandsTest, KeywordsAliasesAndFileNamesIgnoreCase) {
  EXPECT_EQ(SendMediaCommand("open \"GONG.WAV\" type mpegvideo alias Mp3_16"), 0);
  EXPECT_EQ(SendMediaCommand("PLAY mp3_16 FROM 0"), 0);
  EXPECT_EQ(SendMediaCommand("Close MP3_16"), 0);
}

TEST_F(MediaCommandsTest, OpensAnMp3InAFolderWithBlanksAndUmlauts) {
  std::filesystem::create_directory(Dir() / "Klänge mit Leerzeichen");
  const std::string utf8Path = (Dir() / "Klänge mit Leerzeichen" / "mein Gong.mp3").string();
  WriteSilentMp3(utf8Path);
  // The program's texts are Windows-1252; the file system's names are UTF-8.
  const std::string path = platform::Cp1252(utf8Path);
  ASSERT_NE(path, utf8Path);
  EXPECT_EQ(SendMediaCommand("OPEN \"" + path + "\" Type MPEGVIDEO ALIAS MP3_16"), 0);
  EXPECT_EQ(SendMediaCommand("play MP3_16 from 0"), 0);
}

TEST_F(MediaCommandsTest, ContentDecidesTheFormatNotTheName) {
  WriteSilentMp3("really-an-mp3.wav");
  EXPECT_EQ(SendMediaCommand("OPEN \"really-an-mp3.wav\" Type MPEGVIDEO ALIAS A"), 0);
}

TEST_F(MediaCommandsTest, RefusesFilesThatAreNotMp3OrWav) {
  WriteFile("text.mp3", "Dies ist kein Klang.\r\n");
  WriteFile("text.wav", "RIFF....WAVEfmt kaputt");
  WriteFile("empty.mp3", "");
  std::filesystem::create_directory(Dir() / "folder.wav");
  for (const char* name : {"text.mp3", "text.wav", "empty.mp3", "org1.bak"})
    EXPECT_EQ(SendMediaCommand(std::string("OPEN \"") + name + "\" Type MPEGVIDEO ALIAS A"),
              platform::kMediaNotPlayable)
        << name;
  EXPECT_EQ(SendMediaCommand("OPEN \"folder.wav\" Type MPEGVIDEO ALIAS A"), platform::kMediaFileNotFound);
  EXPECT_EQ(SendMediaCommand("OPEN \"missing.wav\" Type MPEGVIDEO ALIAS A"), platform::kMediaFileNotFound);
  EXPECT_EQ(platform::OpenMediaDeviceCount(), 0);
}

TEST_F(MediaCommandsTest, KeepsDevicesApartByAlias) {
  EXPECT_EQ(SendMediaCommand("OPEN \"gong.wav\" Type MPEGVIDEO ALIAS A"), 0);
  EXPECT_EQ(SendMediaCommand("OPEN \"hockey.wav\" Type MPEGVIDEO ALIAS a"), platform::kMediaDuplicateAlias);
  EXPECT_EQ(SendMediaCommand("OPEN \"hockey.wav\" Type MPEGVIDEO ALIAS B"), 0);
  EXPECT_EQ(platform::OpenMediaDeviceCount(), 2);
  EXPECT_EQ(SendMediaCommand("play B from 0"), 0);
  EXPECT_EQ(SendMediaCommand("close A"), 0);
  EXPECT_TRUE(platform::IsMediaPlaying("B")) << "closing another device leaves B sounding";
  EXPECT_EQ(SendMediaCommand("stop B"), 0);
  EXPECT_FALSE(platform::IsMediaPlaying("B"));
  EXPECT_EQ(SendMediaCommand("close C"), platform::kMediaUnknownAlias);
  EXPECT_EQ(SendMediaCommand("close all"), 0);
  EXPECT_EQ(platform::OpenMediaDeviceCount(), 0);
}

TEST_F(MediaCommandsTest, MalformedCommandsAreRefusedAndChangeNothing) {
  ASSERT_EQ(SendMediaCommand("OPEN \"gong.wav\" Type MPEGVIDEO ALIAS MP3_16"), 0);
  for (const char* text : {"jump MP3_16", "play", "close", "OPEN \"gong.wav Type MPEGVIDEO ALIAS MP3_16",
                           "OPEN \"hockey.wav\" Type MPEGVIDEO", "", "play MP3_16 from x"})
    EXPECT_NE(SendMediaCommand(text), 0) << text;
  EXPECT_EQ(platform::OpenMediaDeviceCount(), 1);
  EXPECT_EQ(SendMediaCommand("play MP3_16 from 0"), 0);
  EXPECT_EQ(Sent().size(), 9u) << "every text is logged, refused or not";
}

// Without an output device a file still opens (the chime keeps its choice); playing
// it fails quietly.
TEST_F(MediaCommandsTest, WithoutAnOutputDeviceOpenSucceedsAndPlayFails) {
  ScopedEnv noDevice("SDL_AUDIODRIVER", "no-such-driver");
  EXPECT_EQ(SendMediaCommand("OPEN \"gong.wav\" Type MPEGVIDEO ALIAS MP3_16"), 0);
  EXPECT_EQ(SendMediaCommand("play MP3_16 from 0"), platform::kMediaNoOutputDevice);
  EXPECT_EQ(SendMediaCommand("OPEN \"org1.bak\" Type MPEGVIDEO ALIAS B"), platform::kMediaNotPlayable);
  EXPECT_EQ(SendMediaCommand("close MP3_16"), 0);
}

}  // namespace
