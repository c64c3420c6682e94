#include <gtest/gtest.h>

#include "shell/state/settings.h"

namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

TEST(SettingsFile, DefaultsEndInTheDocumentedBytes) {
  const std::string bytes = EncodeSettings(DefaultSettings());
  const std::string kept = kDefaultKeptLine;
  ASSERT_EQ(bytes.size(), kept.size() + 16);
  EXPECT_EQ(bytes.substr(0, kept.size()), kept);
  EXPECT_EQ(bytes.substr(kept.size()),
            Bytes({0x0D, 0x0A, 0x0A, 0, 0, 0, 0x0A, 0, 0, 0, 0x01, 0x01, 0x0D, 0x0A, 0x64, 0x01}));
}

TEST(SettingsFile, RoundTripKeepsEveryField) {
  Settings s;
  s.keptLine = "irgendeine Zeile";
  s.smallWindowX = -5;
  s.smallWindowY = 123456;
  s.chimeChoice = ChimeChoice::UserFile;
  s.reminderSound = false;
  s.chimeFile = "/home/anna/Kl\xE4nge/gong 2.mp3";
  s.viewInterval = ViewInterval::Minutes(15);
  s.trayMode = true;
  s.smallOnTop = true;
  const Settings r = DecodeSettings(EncodeSettings(s));
  EXPECT_EQ(r.keptLine, s.keptLine);
  EXPECT_EQ(r.smallWindowX, -5);
  EXPECT_EQ(r.smallWindowY, 123456);
  EXPECT_EQ(r.chimeChoice, ChimeChoice::UserFile);
  EXPECT_FALSE(r.reminderSound);
  EXPECT_EQ(r.reminderSoundAsStored, 0);
  EXPECT_EQ(r.chimeFile, s.chimeFile);
  EXPECT_EQ(r.viewInterval, ViewInterval::Minutes(15));
  EXPECT_TRUE(r.trayMode);
  EXPECT_TRUE(r.smallOnTop);
  EXPECT_EQ(EncodeSettings(s).back(), 11) << "on top in tray mode";
}

TEST(SettingsFile, NegativeXIsStoredAsTwosComplement) {
  Settings s = DefaultSettings();
  s.keptLine.clear();
  s.smallWindowX = -5;
  const std::string bytes = EncodeSettings(s);
  EXPECT_EQ(bytes.substr(2, 4), Bytes({0xFB, 0xFF, 0xFF, 0xFF}));
}

TEST(SettingsFile, UmlautInChimePathIsOneByte) {
  Settings s = DefaultSettings();
  s.keptLine.clear();
  s.chimeFile = "\xE4";  // ä in Windows-1252
  const std::string bytes = EncodeSettings(s);
  EXPECT_EQ(bytes.substr(12, 3), Bytes({0xE4, 0x0D, 0x0A}));
}

TEST(SettingsFile, EmptyFileReadsAsZeroes) {
  const Settings s = DecodeSettings("");
  EXPECT_EQ(s.keptLine, "");
  EXPECT_EQ(s.smallWindowX, 0);
  EXPECT_EQ(s.smallWindowY, 0);
  EXPECT_EQ(s.chimeChoice, ChimeChoice::Off);
  EXPECT_FALSE(s.reminderSound);
  EXPECT_EQ(s.reminderSoundAsStored, 0);
  EXPECT_EQ(s.chimeFile, "");
  EXPECT_EQ(s.viewInterval, ViewInterval::SmallOnly());
  EXPECT_FALSE(s.trayMode);
  EXPECT_FALSE(s.smallOnTop);
}

TEST(SettingsFile, TruncatedFileReadsWhatIsThereAndZeroesTheRest) {
  std::string bytes = EncodeSettings(DefaultSettings());
  bytes.resize(bytes.size() - 5);  // cut inside the chime file's line end
  const Settings s = DecodeSettings(bytes);
  EXPECT_EQ(s.smallWindowX, 10);
  EXPECT_EQ(s.chimeChoice, ChimeChoice::Gong);
  EXPECT_EQ(s.viewInterval, ViewInterval::SmallOnly());
  EXPECT_FALSE(s.trayMode);
  EXPECT_FALSE(s.smallOnTop);
}

TEST(SettingsFile, LoneCarriageReturnLeavesTheNextByteForTheNextField) {
  // Kept line ended by a lone CR: the byte after it is the first byte of x.
  const std::string bytes =
      std::string("abc\r") + Bytes({7, 0, 0, 0, 9, 0, 0, 0, 2, 1}) + "\r\n" + Bytes({5, 0});
  const Settings s = DecodeSettings(bytes);
  EXPECT_EQ(s.keptLine, "abc");
  EXPECT_EQ(s.smallWindowX, 7);
  EXPECT_EQ(s.smallWindowY, 9);
  EXPECT_EQ(s.chimeChoice, ChimeChoice::DrVesk);
  EXPECT_EQ(s.viewInterval, ViewInterval::Minutes(5));
}

TEST(SettingsFile, ByteFieldsWriteTheirLowEightBits) {
  Settings s = DefaultSettings();
  s.viewInterval = ViewInterval::FromStored(-56);  // 200 as a byte
  const std::string bytes = EncodeSettings(s);
  EXPECT_EQ(static_cast<unsigned char>(bytes[bytes.size() - 2]), 200);
  EXPECT_EQ(DecodeSettings(bytes).viewInterval, ViewInterval::FromStored(-56));
}

// A file as an earlier run (or a hand) left it, with these four byte fields.
std::string StoredFile(int chime, int reminder, int interval, int mode) {
  return "Zeile\r\n" + Bytes({10, 0, 0, 0, 10, 0, 0, 0, chime, reminder}) + "C:\\gong.mp3\r\n" +
         Bytes({interval, mode});
}

TEST(SettingsFile, EveryStoredByteIsWrittenBackAsItWasRead) {
  for (int value = -128; value <= 127; ++value) {
    for (const std::string& bytes : {StoredFile(value, 1, 100, 1), StoredFile(1, value, 100, 1),
                                     StoredFile(1, 1, value, 1), StoredFile(1, 1, 100, value)})
      ASSERT_EQ(EncodeSettings(DecodeSettings(bytes)), bytes) << "byte value " << value;
  }
}

// What odd small window modes mean, and what a change of one flag writes.
struct ModeCase {
  int stored;
  bool tray, onTop;
  int afterTrayToggle;  // the byte written once tray mode is switched over
};

TEST(SettingsFile, OddSmallWindowModesMeanTrayFromTenAndKeepTheirRest) {
  const ModeCase cases[] = {
      {0, false, false, 10}, {1, false, true, 11}, {10, true, false, 0},    {11, true, true, 1},
      {5, false, true, 15},  {15, true, true, 5},  {9, false, true, 19},    {12, true, true, 2},
      {-3, false, true, 11}, {127, true, true, 1}, {-128, false, true, 11}, {30, true, true, 1},
  };
  for (const ModeCase& c : cases) {
    Settings s = DecodeSettings(StoredFile(1, 1, 100, c.stored));
    EXPECT_EQ(s.trayMode, c.tray) << c.stored;
    EXPECT_EQ(s.smallOnTop, c.onTop) << c.stored;
    s.trayMode = !s.trayMode;
    const Settings back = DecodeSettings(EncodeSettings(s));
    EXPECT_EQ(static_cast<int>(static_cast<int8_t>(EncodeSettings(s).back())), c.afterTrayToggle)
        << c.stored;
    EXPECT_EQ(back.trayMode, !c.tray) << "the written byte means what was chosen: " << c.stored;
    EXPECT_EQ(back.smallOnTop, c.onTop) << c.stored;
    SetSmallOnTop(s, !c.onTop);
    EXPECT_EQ(static_cast<int>(EncodeSettings(s).back()), (c.tray ? 0 : 10) + (c.onTop ? 0 : 1))
        << "a chosen always-on-top writes the plain value: " << c.stored;
  }
}

TEST(SettingsFile, ViewIntervalNamesItsStoredValues) {
  EXPECT_EQ(DecodeSettings(StoredFile(1, 1, 0, 1)).viewInterval, ViewInterval::SmallOnly());
  EXPECT_EQ(DecodeSettings(StoredFile(1, 1, 100, 1)).viewInterval, ViewInterval::MainOnly());
  EXPECT_EQ(DecodeSettings(StoredFile(1, 1, 5, 1)).viewInterval, ViewInterval::Minutes(5));
  const ViewInterval two = DecodeSettings(StoredFile(1, 1, 2, 1)).viewInterval;
  EXPECT_TRUE(two.ComesUpHourly()) << "any positive value counts as minutes";
  EXPECT_FALSE(two.GivesWayAt(1));
  EXPECT_TRUE(two.GivesWayAt(2));
  EXPECT_FALSE(ViewInterval::MainOnly().GivesWayAt(59));
  const ViewInterval negative = DecodeSettings(StoredFile(1, 1, -56, 1)).viewInterval;
  EXPECT_FALSE(negative.ComesUpHourly());
  EXPECT_FALSE(negative.IsSmallOnly());
  EXPECT_FALSE(negative.GivesWayAt(59));
}

TEST(SettingsFile, RandomBytesNeverCrashTheReader) {
  uint32_t seed = 12345;
  for (int round = 0; round < 2000; ++round) {
    std::string bytes;
    const int length = static_cast<int>(seed % 40);
    for (int i = 0; i < length; ++i) {
      seed = seed * 1664525u + 1013904223u;
      bytes += static_cast<char>(seed >> 24);
    }
    seed = seed * 1664525u + 1013904223u;
    const Settings s = DecodeSettings(bytes);
    EXPECT_LE(s.keptLine.size() + s.chimeFile.size(), bytes.size());
  }
}

}  // namespace
