#include <gtest/gtest.h>

#include <random>

#include "platform/media_command_parser.h"

namespace {

using platform::MediaCommand;
using platform::MediaVerb;

struct ParsedCase {
  const char* name;
  std::string text;
  MediaVerb verb;
  std::string file, type, alias;
  long long from;
};

class ParsesCommand : public ::testing::TestWithParam<ParsedCase> {};

TEST_P(ParsesCommand, IntoItsParts) {
  const ParsedCase& c = GetParam();
  MediaCommand command;
  ASSERT_EQ(platform::ParseMediaCommand(c.text, command), platform::kMediaOk) << c.text;
  EXPECT_EQ(command.verb, c.verb);
  EXPECT_EQ(command.file, c.file);
  EXPECT_EQ(command.type, c.type);
  EXPECT_EQ(command.alias, c.alias);
  EXPECT_EQ(command.from, c.from);
}

INSTANTIATE_TEST_SUITE_P(
    MediaCommands, ParsesCommand,
    ::testing::Values(
        ParsedCase{"OpenGong", "OPEN \"gong.wav\" Type MPEGVIDEO ALIAS MP3_16", MediaVerb::Open, "gong.wav",
                   "mpegvideo", "mp3_16", 0},
        ParsedCase{"OpenPathWithBlanksAndUmlaut",
                   "OPEN \"/home/anna/Kl\xE4nge/mein gong.mp3\" Type MPEGVIDEO ALIAS MP3_16",
                   MediaVerb::Open, "/home/anna/Kl\xE4nge/mein gong.mp3", "mpegvideo", "mp3_16", 0},
        ParsedCase{"OpenLowerCaseAliasFirst", "open \"a.wav\" alias X type mpegvideo", MediaVerb::Open,
                   "a.wav", "mpegvideo", "x", 0},
        ParsedCase{"OpenUnquotedWithoutType", "Open gong.wav Alias MP3_16", MediaVerb::Open, "gong.wav", "",
                   "mp3_16", 0},
        ParsedCase{"OpenExtraBlanks", "  OPEN\t\"gong.wav\"   Type  MPEGVIDEO  ALIAS  MP3_16  ",
                   MediaVerb::Open, "gong.wav", "mpegvideo", "mp3_16", 0},
        ParsedCase{"Play", "play MP3_16 from 0", MediaVerb::Play, "", "", "mp3_16", 0},
        ParsedCase{"PlayUpperCaseFrom", "PLAY mp3_16 FROM 1500", MediaVerb::Play, "", "", "mp3_16", 1500},
        ParsedCase{"PlayWithoutFrom", "play MP3_16", MediaVerb::Play, "", "", "mp3_16", 0},
        ParsedCase{"Stop", "stop MP3_16", MediaVerb::Stop, "", "", "mp3_16", 0},
        ParsedCase{"Close", "close MP3_16", MediaVerb::Close, "", "", "mp3_16", 0},
        ParsedCase{"CloseAll", "CLOSE ALL", MediaVerb::Close, "", "", "all", 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
  const char* name;
  std::string text;
  int error;
};

class RefusesCommand : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusesCommand, WithItsError) {
  MediaCommand command;
  EXPECT_EQ(platform::ParseMediaCommand(GetParam().text, command), GetParam().error) << GetParam().text;
}

const RefusedCase kRefusedCases[] = {
    {"Empty", "", platform::kMediaEmptyCommand},
    {"OnlyBlanks", " \t ", platform::kMediaEmptyCommand},
    {"UnknownVerb", "spin MP3_16", platform::kMediaUnknownVerb},
    {"QuotedVerb", "\"play\" MP3_16", platform::kMediaUnknownVerb},
    {"PlayWithoutAlias", "play", platform::kMediaMissingAlias},
    {"CloseWithoutAlias", "close   ", platform::kMediaMissingAlias},
    {"OpenWithoutAlias", "OPEN \"gong.wav\" Type MPEGVIDEO", platform::kMediaMissingAlias},
    {"AliasKeywordWithoutValue", "OPEN \"gong.wav\" Type MPEGVIDEO ALIAS", platform::kMediaMissingAlias},
    {"AliasAll", "OPEN \"gong.wav\" ALIAS all", platform::kMediaDuplicateAlias},
    {"OpenWithoutFile", "OPEN", platform::kMediaMissingParameter},
    {"OpenEmptyFile", "OPEN \"\" ALIAS MP3_16", platform::kMediaMissingParameter},
    {"TypeWithoutValue", "OPEN \"gong.wav\" ALIAS MP3_16 Type", platform::kMediaMissingParameter},
    {"UnterminatedQuote", "OPEN \"gong.wav Type MPEGVIDEO ALIAS MP3_16", platform::kMediaUnterminatedQuote},
    {"QuoteRunOn", "OPEN \"gong.wav\"x ALIAS MP3_16", platform::kMediaUnknownKeyword},
    {"QuoteInsideWord", "OPEN gong\".wav ALIAS MP3_16", platform::kMediaUnknownKeyword},
    {"UnknownKeyword", "OPEN \"gong.wav\" ALIAS MP3_16 wait", platform::kMediaUnknownKeyword},
    {"AliasTwice", "OPEN \"a.wav\" ALIAS A ALIAS B", platform::kMediaUnknownKeyword},
    {"UnsupportedType", "OPEN \"a.wav\" Type cdaudio ALIAS A", platform::kMediaUnsupportedType},
    {"PlayTrailingWord", "play MP3_16 from 0 now", platform::kMediaUnknownKeyword},
    {"PlayFromWithoutNumber", "play MP3_16 from", platform::kMediaMissingParameter},
    {"PlayFromNegative", "play MP3_16 from -5", platform::kMediaBadNumber},
    {"PlayFromHuge", "play MP3_16 from 99999999999999999999", platform::kMediaBadNumber},
    {"CloseTwoAliases", "close A B", platform::kMediaUnknownKeyword},
};

INSTANTIATE_TEST_SUITE_P(MalformedCommands, RefusesCommand, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Odd bytes of every kind never crash the parser and never pass for a command that
// lacks its verb.
TEST(MediaCommandParser, SurvivesRandomBytes) {
  std::mt19937 random(16);
  static const char kBytes[] = "openplayclosestopaliastypefrom \"\t\r\n0123456789MP3_\xE4\0\xFF";
  const std::string alphabet(kBytes, sizeof kBytes - 1);  // the zero byte included
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    MediaCommand command;
    const int error = platform::ParseMediaCommand(text, command);
    if (error != platform::kMediaOk) continue;
    EXPECT_FALSE(command.alias.empty()) << text;
    if (command.verb == MediaVerb::Open) {
      EXPECT_FALSE(command.file.empty()) << text;
    }
  }
}

}  // namespace
