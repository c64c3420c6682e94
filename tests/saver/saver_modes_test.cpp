// The modes and frame loops against a scripted platform.

#include "saver/saver_modes.h"

#include <gtest/gtest.h>

#include "saver/saver_object_ids.h"
#include "tests/saver/fake_saver_platform.h"
#include "tests/saver/saver_test_support.h"

namespace organsaver {
namespace {

using test::FakeSaverPlatform;
using test::ScriptedClock;
using namespace std::chrono_literals;

class FullScreenRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureQtApplication();
    clock.now = test::At(15, 0, 30);
  }
  FullScreenRun Start() {
    std::optional<FullScreenRun> run = StartFullScreenRun(platform);
    EXPECT_TRUE(run.has_value());
    return run ? std::move(*run) : FullScreenRun{};
  }
  FakeSaverPlatform platform;
  ScriptedClock clock;
};

TEST_F(FullScreenRunTest, StartsHiddenTopmostAndFlagged) {
  platform.display = {1280, 1024};
  const FullScreenRun run = Start();
  EXPECT_EQ(platform.cursorCount, -1);
  EXPECT_EQ(run.startCursor.x, 500);
  EXPECT_EQ(run.startCursor.y, 400);
  EXPECT_EQ(run.displayWidth, 1280);
  EXPECT_EQ(run.displayHeight, 1024);
  EXPECT_EQ(run.picture.size(), QSize(1280, 1024));
  EXPECT_TRUE(platform.windowOpen);
  EXPECT_EQ(platform.windowId, kFullScreenWindow);
  EXPECT_EQ(platform.windowTitle, "Screen Saver");
  EXPECT_EQ(platform.windowSize, (PixelSize{1280, 1024}));
  EXPECT_TRUE(platform.windowTopmost);
  EXPECT_EQ(platform.controlsCreated, std::vector<int>{kFullScreenPictureControl});
  EXPECT_EQ(platform.runningFlagSets, std::vector<int>{1});
  EXPECT_EQ(run.display.style, FaceStyle::FullScreen);
  EXPECT_EQ(run.display.layout.faceRadius, 333);
}

TEST_F(FullScreenRunTest, WindowThatCannotOpenEndsAtOnce) {
  platform.windowOpens = false;
  RunFullScreen(platform, clock.AsClock());
  EXPECT_EQ(clock.reads, 0);
  EXPECT_EQ(platform.picturesShown, 0);
  EXPECT_TRUE(platform.runningFlagSets.empty());
}

struct TriggerCase {
  const char* name;
  int dx, dy;  // pointer offset from the start position
  std::optional<SaverMessage> message;
  bool ends;
};
class FullScreenTriggers : public FullScreenRunTest, public ::testing::WithParamInterface<TriggerCase> {};

TEST_P(FullScreenTriggers, EndOnlyOnMovementOverTenPixelsOrKeyRelease) {
  const TriggerCase& c = GetParam();
  FullScreenRun run = Start();
  platform.pointer = {500 + c.dx, 400 + c.dy};
  if (c.message) platform.messages.push_back(*c.message);
  EXPECT_EQ(RunFullScreenFrame(run, platform, clock.AsClock()), !c.ends);
  EXPECT_EQ(platform.picturesShown, 1);  // the frame is shown before the checks
  EXPECT_TRUE(platform.windowOpen);      // a close request does not close it
}

INSTANTIATE_TEST_SUITE_P(
    Triggers, FullScreenTriggers,
    ::testing::Values(TriggerCase{"Still", 0, 0, std::nullopt, false},
                      TriggerCase{"TenEachWay", 10, 10, std::nullopt, false},
                      TriggerCase{"TenBackEachWay", -10, -10, std::nullopt, false},
                      TriggerCase{"ElevenRight", 11, 0, std::nullopt, true},
                      TriggerCase{"ElevenLeft", -11, 0, std::nullopt, true},
                      TriggerCase{"ElevenDown", 0, 11, std::nullopt, true},
                      TriggerCase{"ElevenUp", 0, -11, std::nullopt, true},
                      TriggerCase{"KeyPress", 0, 0, SaverMessage::KeyPress, false},
                      TriggerCase{"KeyRelease", 0, 0, SaverMessage::KeyRelease, true},
                      TriggerCase{"Click", 0, 0, SaverMessage::MouseButton, false},
                      TriggerCase{"ClickWithSmallMove", 5, 5, SaverMessage::MouseButton, false},
                      TriggerCase{"CloseRequest", 0, 0, SaverMessage::CloseRequest, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FullScreenRunTest, OneMessagePerFrame) {
  FullScreenRun run = Start();
  platform.messages = {SaverMessage::KeyPress, SaverMessage::CloseRequest, SaverMessage::KeyRelease};
  EXPECT_TRUE(RunFullScreenFrame(run, platform, clock.AsClock()));
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_TRUE(RunFullScreenFrame(run, platform, clock.AsClock()));
  EXPECT_FALSE(RunFullScreenFrame(run, platform, clock.AsClock()));
  EXPECT_EQ(clock.reads, 3);
}

TEST_F(FullScreenRunTest, WholeRunClearsTheFlagClosesAndKeepsThePointerHidden) {
  platform.messages = {SaverMessage::KeyPress, SaverMessage::KeyRelease};
  RunFullScreen(platform, clock.AsClock());
  EXPECT_EQ(platform.picturesShown, 2);
  EXPECT_EQ(platform.runningFlagSets, (std::vector<int>{1, 0}));
  EXPECT_FALSE(platform.windowOpen);
  EXPECT_EQ(platform.cursorCount, -1);
  EXPECT_TRUE(platform.calls.empty());  // no password check outside Windows 95/98/Me
}

TEST_F(FullScreenRunTest, TextsShowFromTheSecondFrameAndTheFaceMoves) {
  FullScreenRun run = Start();
  RunFullScreenFrame(run, platform, clock.AsClock());
  EXPECT_EQ(run.display.texts.organName, "Blase");
  EXPECT_EQ(run.display.texts.dateLine, "Mo. 07.12.2026");
  EXPECT_FLOAT_EQ(run.display.motion.centreX, 513.0f);
  EXPECT_FLOAT_EQ(run.display.motion.centreY, 385.0f);
  // The hub of the first frame sat in the middle, before the move.
  EXPECT_TRUE(test::PixelIs(platform.lastPicture, 512, 384, kFullScreenColours.secondHand));
  RunFullScreenFrame(run, platform, clock.AsClock());
  EXPECT_TRUE(test::PixelIs(platform.lastPicture, 513, 385, kFullScreenColours.secondHand));
}

TEST_F(FullScreenRunTest, WaitsOneMillisecondForAMessageAndPacesToTheRefresh) {
  platform.refreshRate = 50.0;
  FullScreenRun run = Start();
  const auto t0 = platform.now;
  for (int i = 0; i < 3; ++i) RunFullScreenFrame(run, platform, clock.AsClock());
  EXPECT_EQ(platform.messageWaits, (std::vector<std::chrono::milliseconds>{1ms, 1ms, 1ms}));
  ASSERT_EQ(platform.frameDeadlines.size(), 3u);
  // The first deadline follows the first frame's 1 ms message wait.
  EXPECT_EQ(platform.frameDeadlines[0], t0 + 1ms + 20ms);
  EXPECT_EQ(platform.frameDeadlines[1] - platform.frameDeadlines[0], 20ms);
  EXPECT_EQ(platform.frameDeadlines[2] - platform.frameDeadlines[1], 20ms);
}

TEST_F(FullScreenRunTest, TerminationEndsTheRunQuietly) {
  FullScreenRun run = Start();
  platform.terminationRequested = true;
  EXPECT_FALSE(RunFullScreenFrame(run, platform, clock.AsClock()));
  EndFullScreenRun(run, platform);
  EXPECT_EQ(platform.runningFlagSets, (std::vector<int>{1, 0}));
  EXPECT_FALSE(platform.windowOpen);
}

// ---- password checks on Windows 95, 98 and Me ----

class Windows9xPassword : public FullScreenRunTest {
 protected:
  void SetUp() override {
    FullScreenRunTest::SetUp();
    platform.version = {PlatformVersion::Family::Windows9x, 10};
    platform.loadableLibraries = {"Password.cpl"};
    platform.availableRoutines = {"VerifyScreenSavePwd"};
  }
};

TEST_F(Windows9xPassword, RefusedPasswordKeepsRunningAndAsksAgain) {
  platform.passwordAnswers = {false, true};
  FullScreenRun run = Start();
  platform.pointer = {520, 400};
  EXPECT_TRUE(RunFullScreenFrame(run, platform, clock.AsClock()));
  EXPECT_EQ(platform.cursorCount, -1);  // shown for the dialog, hidden again
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"open key 131097", "load Password.cpl",
                                                      "VerifyScreenSavePwd 0 pointer shown",
                                                      "free Password.cpl", "close key"}));
  // The start position is not updated: the same pointer asks again.
  EXPECT_FALSE(RunFullScreenFrame(run, platform, clock.AsClock()));
  EXPECT_EQ(platform.verifyDialogs, 2);
  EXPECT_GE(platform.cursorCount, 0);
}

struct VersionCase {
  const char* name;
  PlatformVersion version;
  bool asks;
};
class PasswordByVersion : public Windows9xPassword, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(PasswordByVersion, OnlyWindows95_98AndMeAsk) {
  platform.version = GetParam().version;
  platform.passwordAnswers = {false};
  EXPECT_EQ(VerifySaverPassword(platform, kFullScreenWindow), !GetParam().asks);
  EXPECT_EQ(platform.verifyDialogs, GetParam().asks ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, PasswordByVersion,
    ::testing::Values(VersionCase{"Win95", {PlatformVersion::Family::Windows9x, 0}, true},
                      VersionCase{"Win98", {PlatformVersion::Family::Windows9x, 10}, true},
                      VersionCase{"WinMe", {PlatformVersion::Family::Windows9x, 90}, true},
                      VersionCase{"Win9xOther", {PlatformVersion::Family::Windows9x, 50}, false},
                      VersionCase{"WindowsNt", {PlatformVersion::Family::WindowsNt, 0}, false},
                      VersionCase{"Linux", {PlatformVersion::Family::Other, 0}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Windows9xPassword, NoWayToAskLetsTheRunEnd) {
  platform.registryKeyOpens = false;
  EXPECT_TRUE(VerifySaverPassword(platform, kFullScreenWindow));
  platform.registryKeyOpens = true;
  platform.loadableLibraries.clear();
  EXPECT_TRUE(VerifySaverPassword(platform, kFullScreenWindow));
  platform.loadableLibraries = {"Password.cpl"};
  platform.availableRoutines.clear();
  EXPECT_TRUE(VerifySaverPassword(platform, kFullScreenWindow));
  EXPECT_EQ(platform.verifyDialogs, 0);
  EXPECT_EQ(platform.cursorCount, 0);
}

// ---- password change ----

TEST(ChangePassword, CallsTheLibraryRoutineWithScrsave) {
  FakeSaverPlatform platform;
  platform.loadableLibraries = {"mpr.dll"};
  platform.availableRoutines = {"PwdChangePasswordA"};
  EXPECT_TRUE(ChangeSaverPassword(platform));
  EXPECT_EQ(platform.calls,
            (std::vector<std::string>{"load mpr.dll", "PwdChangePasswordA SCRSAVE 0 0 0", "free mpr.dll"}));
}

TEST(ChangePassword, MissingRoutineSkipsTheCall) {
  FakeSaverPlatform platform;
  platform.loadableLibraries = {"mpr.dll"};
  EXPECT_TRUE(ChangeSaverPassword(platform));
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"load mpr.dll", "free mpr.dll"}));
}

TEST(ChangePassword, MissingLibraryEndsQuietly) {
  FakeSaverPlatform platform;
  EXPECT_FALSE(ChangeSaverPassword(platform));
  EXPECT_EQ(platform.calls, std::vector<std::string>{"load mpr.dll"});
  EXPECT_TRUE(platform.notices.empty());
}

// ---- preview ----

class PreviewRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureQtApplication();
    clock.now = test::At(3, 0, 0);
  }
  FakeSaverPlatform platform;
  ScriptedClock clock;
};

TEST_F(PreviewRunTest, DrawsIntoTheHostUntilItIsDestroyed) {
  platform.hostHandle = 1234;
  platform.hostSize = {200, 150};
  platform.hostDestroyedAfterChecks = 3;
  RunPreview(platform, clock.AsClock(), 1234);
  EXPECT_EQ(platform.picturesShown, 3);
  EXPECT_EQ(clock.reads, 4);  // the fourth frame is drawn, then the host is gone
  EXPECT_EQ(platform.controlsCreated, std::vector<int>{kPreviewPictureControl});
  EXPECT_EQ(platform.lastPicture.size(), QSize(200, 150));
  EXPECT_TRUE(test::PixelIs(platform.lastPicture, 100, 75, kPreviewColours.secondHand));
  EXPECT_EQ(platform.messageWaits.front(), 10ms);
  EXPECT_EQ(platform.cursorCount, 0);  // the preview leaves the pointer alone
  EXPECT_TRUE(platform.runningFlagSets.empty());
}

class UnusableHandle : public PreviewRunTest, public ::testing::WithParamInterface<int64_t> {};

TEST_P(UnusableHandle, EndsAfterOnePassShowingNothing) {
  platform.hostHandle = 1234;
  RunPreview(platform, clock.AsClock(), GetParam());
  EXPECT_EQ(clock.reads, 1);
  EXPECT_EQ(platform.picturesShown, 0);
  EXPECT_TRUE(platform.controlsCreated.empty());
}

INSTANTIATE_TEST_SUITE_P(Handles, UnusableHandle, ::testing::Values(0, -1, 99, INT64_MAX, INT64_MIN));

// ---- mode choice ----

TEST(RunSaver, ConfigureShowsTheNoticeForEveryForm) {
  for (const char* mode : {"/c", "/C", "/c:99"}) {
    FakeSaverPlatform platform;
    ScriptedClock clock;
    EXPECT_EQ(RunSaver({mode}, nullptr, platform, clock.AsClock()), 0);
    ASSERT_EQ(platform.notices.size(), 1u) << mode;
    EXPECT_EQ(platform.notices[0].first, "Hinweis");
    EXPECT_EQ(platform.notices[0].second, "Hier k\u00f6nnte ihre Werbung stehn!");
    EXPECT_FALSE(platform.windowOpen);
  }
}

TEST(RunSaver, PasswordModeAsksForTheLibrary) {
  FakeSaverPlatform platform;
  ScriptedClock clock;
  EXPECT_EQ(RunSaver({"/a", "777"}, nullptr, platform, clock.AsClock()), 0);
  EXPECT_EQ(platform.calls, std::vector<std::string>{"load mpr.dll"});
}

TEST(RunSaver, PreviewGoesToTheGivenHandle) {
  test::EnsureQtApplication();
  for (auto [parameters, handle] : {std::pair<std::vector<std::string>, int64_t>{{"/p", "1234"}, 1234},
                                    {{"/p:1234"}, 1234},
                                    {{"/p1234"}, 234}}) {
    FakeSaverPlatform platform;
    ScriptedClock clock;
    RunSaver(parameters, nullptr, platform, clock.AsClock());
    ASSERT_FALSE(platform.hostsAsked.empty());
    EXPECT_EQ(platform.hostsAsked[0].kind, HostWindow::Kind::ForeignHandle);
    EXPECT_EQ(platform.hostsAsked[0].id, handle);
  }
}

TEST(RunSaver, UnknownOptionRunsFullScreen) {
  test::EnsureQtApplication();
  FakeSaverPlatform platform;
  ScriptedClock clock;
  platform.messages = {SaverMessage::KeyRelease};
  EXPECT_EQ(RunSaver({"-s"}, nullptr, platform, clock.AsClock()), 0);
  EXPECT_EQ(platform.windowTitle, "Screen Saver");
  EXPECT_EQ(platform.runningFlagSets, (std::vector<int>{1, 0}));
}

TEST(RunSaver, XScreenSaverWindowGetsTheMovingFullScreenFace) {
  test::EnsureQtApplication();
  FakeSaverPlatform platform;
  ScriptedClock clock;
  clock.now = test::At(15, 0, 30, 6, 12, 2026, 0);
  platform.hostHandle = 0x1a00003;
  platform.hostSize = {1024, 768};
  platform.hostDestroyedAfterChecks = 3;
  platform.messages = {SaverMessage::KeyRelease};  // input is XScreenSaver's business
  EXPECT_EQ(RunSaver({"-root"}, "0x1a00003", platform, clock.AsClock()), 0);
  EXPECT_EQ(platform.picturesShown, 3);
  EXPECT_FALSE(platform.windowOpen);  // no window of its own
  EXPECT_TRUE(platform.runningFlagSets.empty());
  EXPECT_EQ(platform.cursorCount, 0);
  // The third picture: moved by two pixels, with the Sunday date line.
  EXPECT_TRUE(test::PixelIs(platform.lastPicture, 514, 386, kFullScreenColours.secondHand));
  EXPECT_GT(test::CountNear(platform.lastPicture, QRect(514 - 130, 386 + 125 - 20, 261, 41),
                            kFullScreenColours.dateSunday, 0),
            50);
}

TEST(RunSaver, StaleXScreenSaverWindowInTheEnvironmentIsNoHost) {
  test::EnsureQtApplication();
  {
    // No parameter: the ordinary full-screen run, as if the variable were unset.
    FakeSaverPlatform platform;
    ScriptedClock clock;
    platform.hostHandle = 0;  // the window named below no longer exists
    platform.messages = {SaverMessage::KeyRelease};
    EXPECT_EQ(RunSaver({}, "0x1a00003", platform, clock.AsClock()), 0);
    EXPECT_EQ(platform.windowTitle, "Screen Saver");
    EXPECT_EQ(platform.runningFlagSets, (std::vector<int>{1, 0}));
  }
  {
    // "-root": the root window instead of the vanished one.
    FakeSaverPlatform platform;
    ScriptedClock clock;
    platform.hostDestroyedAfterChecks = 1;
    RunSaver({"-root"}, "0x1a00003", platform, clock.AsClock());
    EXPECT_FALSE(platform.windowOpen);
    ASSERT_FALSE(platform.hostsAsked.empty());
    EXPECT_EQ(platform.hostsAsked.back().kind, HostWindow::Kind::DefaultRoot);
    EXPECT_EQ(platform.picturesShown, 1);
  }
}

TEST(RunSaver, XScreenSaverWindowThatChangesSizeRestartsTheFace) {
  test::EnsureQtApplication();
  FakeSaverPlatform platform;
  ScriptedClock clock;
  platform.hostHandle = 77;
  platform.hostSize = {400, 300};
  HostedRun run = StartXScreenSaverRun(platform, XScreenSaverHost{false, 77});
  EXPECT_TRUE(RunXScreenSaverFrame(run, platform, clock.AsClock()));
  platform.hostSize = {800, 600};
  EXPECT_TRUE(RunXScreenSaverFrame(run, platform, clock.AsClock()));
  EXPECT_EQ(platform.lastPicture.size(), QSize(800, 600));
  EXPECT_EQ(run.display.layout.faceRadius, 195);
  platform.terminationRequested = true;
  EXPECT_FALSE(RunXScreenSaverFrame(run, platform, clock.AsClock()));
}

}  // namespace
}  // namespace organsaver
