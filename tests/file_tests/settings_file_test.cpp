#include <gtest/gtest.h>

#include "shell/settings.h"

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
  s.chimeChoice = 3;
  s.reminderSound = 0;
  s.chimeFile = "/home/anna/Kl\xE4nge/gong 2.mp3";
  s.viewInterval = 15;
  s.smallWindowMode = 11;
  const Settings r = DecodeSettings(EncodeSettings(s));
  EXPECT_EQ(r.keptLine, s.keptLine);
  EXPECT_EQ(r.smallWindowX, -5);
  EXPECT_EQ(r.smallWindowY, 123456);
  EXPECT_EQ(r.chimeChoice, 3);
  EXPECT_EQ(r.reminderSound, 0);
  EXPECT_EQ(r.chimeFile, s.chimeFile);
  EXPECT_EQ(r.viewInterval, 15);
  EXPECT_EQ(r.smallWindowMode, 11);
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
  EXPECT_EQ(s.chimeChoice, 0);
  EXPECT_EQ(s.reminderSound, 0);
  EXPECT_EQ(s.chimeFile, "");
  EXPECT_EQ(s.viewInterval, 0);
  EXPECT_EQ(s.smallWindowMode, 0);
}

TEST(SettingsFile, TruncatedFileReadsWhatIsThereAndZeroesTheRest) {
  std::string bytes = EncodeSettings(DefaultSettings());
  bytes.resize(bytes.size() - 5);  // cut inside the chime file's line end
  const Settings s = DecodeSettings(bytes);
  EXPECT_EQ(s.smallWindowX, 10);
  EXPECT_EQ(s.chimeChoice, 1);
  EXPECT_EQ(s.viewInterval, 0);
  EXPECT_EQ(s.smallWindowMode, 0);
}

TEST(SettingsFile, LoneCarriageReturnLeavesTheNextByteForTheNextField) {
  // Kept line ended by a lone CR: the byte after it is the first byte of x.
  const std::string bytes = std::string("abc\r") + Bytes({7, 0, 0, 0, 9, 0, 0, 0, 2, 1}) + "\r\n" +
                            Bytes({5, 0});
  const Settings s = DecodeSettings(bytes);
  EXPECT_EQ(s.keptLine, "abc");
  EXPECT_EQ(s.smallWindowX, 7);
  EXPECT_EQ(s.smallWindowY, 9);
  EXPECT_EQ(s.chimeChoice, 2);
  EXPECT_EQ(s.viewInterval, 5);
}

TEST(SettingsFile, ByteFieldsWriteTheirLowEightBits) {
  Settings s = DefaultSettings();
  s.viewInterval = static_cast<int8_t>(-56);  // 200 as a byte
  const std::string bytes = EncodeSettings(s);
  EXPECT_EQ(static_cast<unsigned char>(bytes[bytes.size() - 2]), 200);
  EXPECT_EQ(DecodeSettings(bytes).viewInterval, -56);
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
