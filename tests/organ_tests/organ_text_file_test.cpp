#include "organs/organ_text_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FormatCase {
  const char* name;
  std::string file;         // bytes on disk
  std::string field;        // what the field shows, line breaks as CR LF
  std::string writtenBack;  // bytes saving that field text writes
};

class OrganTextFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(OrganTextFormatTest, LoadsAndWritesBack) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(OrganTextFromFileBytes(c.file), c.field);
  EXPECT_EQ(OrganTextFileBytes(c.field), c.writtenBack);
  // Saving and loading again changes nothing more.
  EXPECT_EQ(OrganTextFromFileBytes(c.writtenBack), c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OrganTextFormatTest,
    ::testing::Values(FormatCase{"Empty", "", "", "\r\n"}, FormatCase{"OnlyCrLf", "\r\n", "", "\r\n"},
                      FormatCase{"OneLineWithoutEnd", "Leber", "Leber", "Leber\r\n"},
                      FormatCase{"LineThenEmptyLine", "Leber\r\n\r\n", "Leber\r\n", "Leber\r\n\r\n"},
                      FormatCase{"LfOnly", "a\nb\n\nc\n", "a\r\nb\r\n\r\nc", "a\r\nb\r\n\r\nc\r\n"},
                      FormatCase{"CrOnly", "a\rb\r\rc\r", "a\r\nb\r\n\r\nc", "a\r\nb\r\n\r\nc\r\n"},
                      FormatCase{"LfCrIsTwoLineEnds", "a\n\rb", "a\r\n\r\nb", "a\r\n\r\nb\r\n"},
                      FormatCase{"MixedEnds", "a\r\nb\nc\rd", "a\r\nb\r\nc\r\nd", "a\r\nb\r\nc\r\nd\r\n"},
                      FormatCase{"LeadingEmptyLines", "\r\n\nx", "\r\n\r\nx", "\r\n\r\nx\r\n"},
                      FormatCase{"LoneCrAtEnd", "\r", "", "\r\n"},
                      FormatCase{"NulEndsALine", std::string("ab\0cd", 5), "ab\r\ncd", "ab\r\ncd\r\n"}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

TEST(OrganTextFormat, LoneBreaksInTheFieldAreWrittenAsCrLf) {
  EXPECT_EQ(OrganTextFileBytes("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(OrganTextFileBytes("\r"), "\r\n\r\n");
}

}  // namespace
