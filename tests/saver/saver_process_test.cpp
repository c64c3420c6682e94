// organsaver as a process on a private Xvfb: how it starts without a display,
// how it ends when its display or its window goes, and -root by hand.

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <chrono>
#include <csignal>
#include <thread>

#include "platform/saver/qt_saver_platform.h"
#include "saver/saver_colours.h"
#include "saver/saver_modes.h"
#include "tests/saver/saver_test_support.h"
#include "tests/saver/x11_test_host.h"
#include "tests/saver/xvfb_server.h"

namespace organsaver {
namespace {

using namespace std::chrono_literals;
using test::At;

constexpr int kEndWithinMs = 5000;

// organsaver with the given parameters on the given display; nothing else of
// the caller's environment that would steer it.
class SaverProcess {
 public:
  SaverProcess(const std::string& display, const QStringList& parameters,
               const QString& xscreensaverWindow = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XSCREENSAVER_WINDOW"})
      environment.remove(QString::fromLatin1(name));
    environment.insert("DISPLAY", QString::fromStdString(display));
    environment.insert("XDG_RUNTIME_DIR", QDir::tempPath());
    if (!xscreensaverWindow.isEmpty()) environment.insert("XSCREENSAVER_WINDOW", xscreensaverWindow);
    process_.setProcessEnvironment(environment);
    process_.start(QStringLiteral(ORGANSAVER_PATH), parameters);
    process_.waitForStarted();
  }
  ~SaverProcess() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished();
    }
  }
  bool EndsWithin(int ms) { return process_.waitForFinished(ms); }
  bool EndedCleanly() { return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0; }
  QByteArray Output() { return process_.readAllStandardOutput() + process_.readAllStandardError(); }
  void Signal(int signal) { ::kill(static_cast<pid_t>(process_.processId()), signal); }
  QProcess& Process() { return process_; }

 private:
  QProcess process_;
};

void Pause(std::chrono::milliseconds time) { std::this_thread::sleep_for(time); }

// Waits until the condition holds, a few seconds at most.
template <typename Condition>
bool Eventually(Condition condition) {
  for (int i = 0; i < 100; ++i) {
    if (condition()) return true;
    Pause(50ms);
  }
  return condition();
}

class SaverProcessTest : public ::testing::Test {
 protected:
  void SetUp() override { test::EnsureQtApplication(); }
};

// ---- no display ----

class UnreachableDisplay : public SaverProcessTest, public ::testing::WithParamInterface<QStringList> {};

TEST_P(UnreachableDisplay, EndsQuietlyWithZero) {
  SaverProcess saver(test::UnusedDisplay(), GetParam());
  ASSERT_TRUE(saver.EndsWithin(kEndWithinMs));
  EXPECT_TRUE(saver.EndedCleanly()) << saver.Process().exitCode();
  EXPECT_EQ(saver.Output(), QByteArray());
}

INSTANTIATE_TEST_SUITE_P(EveryMode, UnreachableDisplay,
                         ::testing::Values(QStringList{}, QStringList{"/s"}, QStringList{"/c"},
                                           QStringList{"/p", "1234"}, QStringList{"/a"},
                                           QStringList{"-root"}));

// ---- the X server goes away ----

class ServerGoes : public SaverProcessTest, public ::testing::WithParamInterface<QStringList> {};

TEST_P(ServerGoes, RunEndsWithZero) {
  test::XvfbServer server;
  if (!server.Running()) GTEST_SKIP() << "no Xvfb";
  SaverProcess saver(server.Display(), GetParam());
  ASSERT_FALSE(saver.EndsWithin(1500));  // running
  server.Stop();
  ASSERT_TRUE(saver.EndsWithin(kEndWithinMs));
  EXPECT_TRUE(saver.EndedCleanly()) << saver.Process().exitCode();
}

INSTANTIATE_TEST_SUITE_P(FullScreenAndRoot, ServerGoes,
                         ::testing::Values(QStringList{"/s"}, QStringList{"-root"}));

// ---- the saver's window is destroyed by another client ----

TEST_F(SaverProcessTest, FullScreenRunEndsWhenItsWindowIsDestroyed) {
  test::XvfbServer server;
  if (!server.Running()) GTEST_SKIP() << "no Xvfb";
  auto x = test::X11TestHost::Connect(server.Display().c_str());
  ASSERT_TRUE(x);
  SaverProcess saver(server.Display(), {"/s"});
  std::optional<uint64_t> window;
  ASSERT_TRUE(Eventually([&] { return (window = x->FindWindowNamed("Screen Saver")).has_value(); }));
  ASSERT_FALSE(saver.EndsWithin(500));  // running
  x->DestroyWindow(*window);
  ASSERT_TRUE(saver.EndsWithin(kEndWithinMs));
  EXPECT_TRUE(saver.EndedCleanly());
}

TEST_F(SaverProcessTest, XScreenSaverRunEndsWhenItsWindowIsDestroyed) {
  test::XvfbServer server;
  if (!server.Running()) GTEST_SKIP() << "no Xvfb";
  auto x = test::X11TestHost::Connect(server.Display().c_str());
  ASSERT_TRUE(x);
  const uint64_t host = x->CreateWindow(320, 240);
  SaverProcess saver(server.Display(), {"-root"}, QString::number(host));
  ASSERT_TRUE(Eventually([&] { return x->Children(host).size() == 1; }));
  x->DestroyWindow(x->Children(host)[0]);
  ASSERT_TRUE(saver.EndsWithin(kEndWithinMs));
  EXPECT_TRUE(saver.EndedCleanly());
}

// ---- what reaches the X server ----

// The face moved on the server and sent as changes of the last second's face
// must show on the screen the frame drawn whole.
TEST_F(SaverProcessTest, TheMovedFaceOnTheServerShowsTheWholeFrame) {
  test::XvfbServer server;
  if (!server.Running()) GTEST_SKIP() << "no Xvfb";
  auto x = test::X11TestHost::Connect(server.Display().c_str());
  ASSERT_TRUE(x);
  // The platform's own X connection finds the server through DISPLAY.
  struct DisplayOverride {
    QByteArray previous = qgetenv("DISPLAY");
    explicit DisplayOverride(const std::string& display) {
      qputenv("DISPLAY", QByteArray::fromStdString(display));
    }
    ~DisplayOverride() { qputenv("DISPLAY", previous); }
  } displayOverride(server.Display());
  {
    const uint64_t host = x->CreateWindow(400, 300);
    QtSaverPlatform platform;
    HostedRun run = StartXScreenSaverRun(platform, {false, host});
    test::ScriptedClock clock;
    for (int frame = 0; frame < 150; ++frame) {
      clock.now = At(9, 59, 58 + frame / 50);  // over the hour, as the texts change
      ClockDisplay before = run.display;
      ASSERT_TRUE(RunXScreenSaverFrame(run, platform, clock.AsClock()));
      if (frame % 25 != 24) continue;
      QImage expected(400, 300, QImage::Format_RGB32);
      DrawClockFrame(before, expected, clock.now);
      // The server takes the platform's requests in its own time.
      EXPECT_TRUE(Eventually([&] { return x->ChildImage(host) == expected; })) << "frame " << frame;
    }
    EndHostedRun(run, platform);
  }
}

// ---- -root by hand ----

struct RootCase {
  const char* name;
  bool virtualRoot;
  int signal;
};

class RootByHand : public SaverProcessTest, public ::testing::WithParamInterface<RootCase> {};

TEST_P(RootByHand, DrawsOnTheDesktopUnderTheWindowsAndEndsOnTheSignal) {
  test::XvfbServer server;
  if (!server.Running()) GTEST_SKIP() << "no Xvfb";
  auto x = test::X11TestHost::Connect(server.Display().c_str());
  ASSERT_TRUE(x);
  constexpr QRgb kGrey = 0xff808080;
  constexpr QRgb kWhite = 0xffffffff;
  uint64_t desktop = x->Root();
  x->PaintBackground(desktop, kGrey);
  if (GetParam().virtualRoot) {
    desktop = x->CreateWindow(800, 600, 0, 0, kGrey);
    x->MarkVirtualRoot(desktop);
  }
  x->CreateWindow(100, 100, 0, 0, kWhite);  // another program's window
  const size_t topLevels = x->Children(x->Root()).size();

  SaverProcess saver(server.Display(), {"-root"});
  // The corner lies far outside the face, which starts in the middle.
  const auto cornerIsBlack = [&] {
    const auto pixel = x->Pixel(x->Root(), 790, 590);
    return pixel && test::IsNear(*pixel, kFullScreenColours.background, 0);
  };
  ASSERT_TRUE(Eventually(cornerIsBlack));
  if (GetParam().virtualRoot) {
    EXPECT_TRUE(test::IsNear(*x->Pixel(desktop, 790, 590), {0, 0, 0}, 0));
  }
  EXPECT_EQ(x->Pixel(x->Root(), 50, 50), kWhite) << "drawn over the other window";
  EXPECT_EQ(x->Children(x->Root()).size(), topLevels) << "a window of its own";
  EXPECT_EQ(x->Children(desktop).size(), GetParam().virtualRoot ? 0u : topLevels);

  saver.Signal(GetParam().signal);
  ASSERT_TRUE(saver.EndsWithin(kEndWithinMs));
  EXPECT_TRUE(saver.EndedCleanly());
}

INSTANTIATE_TEST_SUITE_P(Desktops, RootByHand,
                         ::testing::Values(RootCase{"RootWindowSigterm", false, SIGTERM},
                                           RootCase{"VirtualRootSigint", true, SIGINT}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace organsaver
