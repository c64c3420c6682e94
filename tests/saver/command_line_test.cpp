#include "saver/command_line.h"

#include <gtest/gtest.h>

namespace organsaver {
namespace {

struct CommandLineCase {
  const char* name;
  const char* commandLine;  // as Windows hands it over, program path first
  SaverMode mode;
  int64_t previewHandle;
};

class SaverCommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(SaverCommandLine, ChoosesModeAndHandle) {
  const CommandLineCase& c = GetParam();
  const SaverCommand command = ReadSaverCommand(SplitCommandLineParameters(c.commandLine));
  EXPECT_EQ(command.mode, c.mode);
  if (c.mode == SaverMode::Preview) {
    EXPECT_EQ(command.previewHandle, c.previewHandle);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SaverCommandLine,
    ::testing::Values(
        CommandLineCase{"NoParameter", "organsaver.scr", SaverMode::FullScreen, 0},
        CommandLineCase{"Run", "organsaver.scr /s", SaverMode::FullScreen, 0},
        CommandLineCase{"RunCapital", "organsaver.scr /S", SaverMode::FullScreen, 0},
        CommandLineCase{"RunWithColon", "organsaver.scr /s:123", SaverMode::FullScreen, 0},
        CommandLineCase{"DashS", "organsaver.scr -s", SaverMode::FullScreen, 0},
        CommandLineCase{"Unknown", "organsaver.scr /x 55", SaverMode::FullScreen, 0},
        CommandLineCase{"PreviewTwoParameters", "organsaver.scr /p 1234", SaverMode::Preview, 1234},
        CommandLineCase{"PreviewColon", "organsaver.scr /p:1234", SaverMode::Preview, 1234},
        CommandLineCase{"PreviewThirdCharacterDropped", "organsaver.scr /p1234", SaverMode::Preview, 234},
        CommandLineCase{"PreviewCapital", "organsaver.scr /P 77", SaverMode::Preview, 77},
        CommandLineCase{"PreviewAttachedWinsOverSecond", "organsaver.scr /p:12 99", SaverMode::Preview, 12},
        CommandLineCase{"PreviewWithoutHandle", "organsaver.scr /p", SaverMode::Preview, 0},
        CommandLineCase{"PreviewNonDigits", "organsaver.scr /p abc", SaverMode::Preview, 0},
        CommandLineCase{"PreviewHandleStopsAtNonDigit", "organsaver.scr /p 12ab34", SaverMode::Preview, 12},
        CommandLineCase{"PreviewNegative", "organsaver.scr /p -42", SaverMode::Preview, -42},
        CommandLineCase{"Configure", "organsaver.scr /c", SaverMode::Configure, 0},
        CommandLineCase{"ConfigureCapital", "organsaver.scr /C", SaverMode::Configure, 0},
        CommandLineCase{"ConfigureWithHandle", "organsaver.scr /c:99", SaverMode::Configure, 0},
        CommandLineCase{"Password", "organsaver.scr /a 5", SaverMode::ChangePassword, 0},
        CommandLineCase{"QuotedProgramPath", "\"C:\\Program Files\\organsaver.scr\" /p 8",
                        SaverMode::Preview, 8},
        CommandLineCase{"QuotedModeWithBlank", "organsaver.scr \"/p 1234\"", SaverMode::Preview, 1234},
        CommandLineCase{"QuotedHandleWithBlanks", "organsaver.scr /p \"  56 78\"", SaverMode::Preview, 56},
        CommandLineCase{"ManyBlanks", "organsaver.scr    /p     91   ", SaverMode::Preview, 91},
        CommandLineCase{"UnclosedQuote", "organsaver.scr \"/c", SaverMode::Configure, 0},
        CommandLineCase{"OnlyAQuote", "organsaver.scr \"", SaverMode::FullScreen, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitCommandLine, QuotesGroupBlanksAndAreRemoved) {
  EXPECT_EQ(SplitCommandLineParameters("\"C:\\My Savers\\o.scr\" \"/p 1\" x \"\" \"a b"),
            (std::vector<std::string>{"/p 1", "x", "", "a b"}));
  EXPECT_TRUE(SplitCommandLineParameters("").empty());
  EXPECT_TRUE(SplitCommandLineParameters("   o.scr   ").empty());
}

TEST(SaverCommandLine, KeepsCutModeAndHandleText) {
  const SaverCommand command = ReadSaverCommand({"/P:0042x"});
  EXPECT_EQ(command.modeArg, "/p");
  EXPECT_EQ(command.handleArg, "0042x");
  EXPECT_EQ(command.previewHandle, 42);
}

TEST(LowerWindows1252, LowersAsciiAndAccentedCapitalsOnly) {
  EXPECT_EQ(LowerWindows1252("/S-Z@[`"), "/s-z@[`");
  // 192 (À) to 222 (Þ) become 224 to 254; 215 (×) is no letter; 191 and 223 stay.
  EXPECT_EQ(LowerWindows1252("\xC0\xC9\xD6\xD7\xDE\xBF\xDF"), "\xE0\xE9\xF6\xD7\xFE\xBF\xDF");
}

struct HandleCase {
  const char* text;
  int64_t value;
};
class DecimalHandle : public ::testing::TestWithParam<HandleCase> {};

TEST_P(DecimalHandle, ReadsLikeTheSystem) {
  EXPECT_EQ(ReadDecimalHandle(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, DecimalHandle,
                         ::testing::Values(HandleCase{"", 0}, HandleCase{"1234", 1234},
                                           HandleCase{" \t 77", 77}, HandleCase{"+5", 5},
                                           HandleCase{"-5", -5}, HandleCase{"12 34", 12},
                                           HandleCase{"x12", 0}, HandleCase{"\n12", 0},
                                           HandleCase{"- 3", 0}, HandleCase{"007", 7},
                                           HandleCase{"99999999999999999999999", INT64_MAX}));

struct HostCase {
  const char* name;
  std::vector<std::string> parameters;
  const char* environment;  // XSCREENSAVER_WINDOW, null when unset
  bool hosted;
  bool root;
  uint64_t window;
};
class XScreenSaverStart : public ::testing::TestWithParam<HostCase> {};

TEST_P(XScreenSaverStart, FindsTheWindowToDrawInto) {
  const HostCase& c = GetParam();
  const auto host = FindXScreenSaverHost(c.parameters, c.environment);
  ASSERT_EQ(host.has_value(), c.hosted);
  if (!host) return;
  EXPECT_EQ(host->useRootWindow, c.root);
  if (!c.root) {
    EXPECT_EQ(host->windowId, c.window);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Starts, XScreenSaverStart,
    ::testing::Values(HostCase{"RootWithEnvironmentHex", {"-root"}, "0x1a00003", true, false, 0x1a00003},
                      HostCase{"RootWithEnvironmentDecimal", {"-root"}, "27262979", true, false, 27262979},
                      HostCase{"RootAlone", {"-root"}, nullptr, true, true, 0},
                      HostCase{"RootWithBadEnvironment", {"-root"}, "0xzz", true, true, 0},
                      HostCase{"WindowIdHex", {"-window-id", "0x2C00007"}, nullptr, true, false, 0x2c00007},
                      HostCase{"WindowIdBeatsEnvironment", {"-window-id", "99"}, "0x10", true, false, 99},
                      HostCase{"WindowIdWithoutValue", {"-window-id"}, nullptr, true, true, 0},
                      HostCase{"EnvironmentOnly", {}, "0x400001", true, false, 0x400001},
                      HostCase{"EnvironmentZero", {}, "0", false, false, 0},
                      HostCase{"WindowsPreviewKeepsItsMode", {"/p", "1234"}, "0x400001", false, false, 0},
                      HostCase{"WindowsRunKeepsItsMode", {"/s"}, "0x400001", false, false, 0},
                      HostCase{"PlainStart", {}, nullptr, false, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadXWindowId, RejectsWhatIsNoWindowId) {
  EXPECT_EQ(ReadXWindowId(" 0x1A00003\n"), 0x1a00003u);
  EXPECT_EQ(ReadXWindowId("0x"), std::nullopt);
  EXPECT_EQ(ReadXWindowId("12a"), std::nullopt);
  EXPECT_EQ(ReadXWindowId("-5"), std::nullopt);
  EXPECT_EQ(ReadXWindowId("0x1FFFFFFFF"), std::nullopt);
  EXPECT_EQ(ReadXWindowId(""), std::nullopt);
}

}  // namespace
}  // namespace organsaver
