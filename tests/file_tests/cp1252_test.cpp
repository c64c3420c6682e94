#include <gtest/gtest.h>

#include "platform/cp1252.h"

namespace {

TEST(Cp1252, GermanLettersAreSingleBytes) {
  EXPECT_EQ(platform::Cp1252("äöüÄÖÜß"), "\xE4\xF6\xFC\xC4\xD6\xDC\xDF");
  EXPECT_EQ(platform::Utf8("\xE4\xF6\xFC\xC4\xD6\xDC\xDF"), "äöüÄÖÜß");
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(platform::Cp1252(platform::Utf8(one)), one) << "byte " << b;
  }
}

TEST(Cp1252, EuroSignAndQuotesUseTheWindowsRange) {
  EXPECT_EQ(platform::Cp1252("€„“"), "\x80\x84\x93");
  EXPECT_EQ(platform::Cp1252CodePoint(0x80), U'€');
}

TEST(Cp1252, CharactersOutsideTheCodePageAndBrokenUtf8BecomeQuestionMarks) {
  EXPECT_EQ(platform::Cp1252("Ω"), "?");
  EXPECT_EQ(platform::Cp1252("a\xC3"), "a?");
  EXPECT_EQ(platform::Cp1252("\xFF"
                             "b"),
            "?b");
}

}  // namespace
