// The Linux platform layer on Qt's offscreen platform, and with a real X
// server when DISPLAY names one.

#include "platform/saver/qt_saver_platform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <csignal>
#include <cstdlib>

#include "platform/saver/termination_signal.h"
#include "saver/saver_modes.h"
#include "saver/saver_object_ids.h"
#include "tests/saver/saver_test_support.h"
#include "tests/saver/x11_test_host.h"

namespace organsaver {
namespace {

using namespace std::chrono_literals;

class QtPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override { test::EnsureQtApplication(); }

  QWidget* OpenFullScreenWindow(QtSaverPlatform& platform) {
    const PixelSize size = platform.PrimaryDisplaySize();
    EXPECT_TRUE(platform.OpenSaverWindow(kFullScreenWindow, size, kFullScreenTitle));
    EXPECT_TRUE(platform.CreatePictureControl(kFullScreenPictureControl,
                                              {HostWindow::Kind::SaverWindow, kFullScreenWindow}, size));
    platform.MakeWindowTopmost(kFullScreenWindow);
    return platform.SaverWindowWidget(kFullScreenWindow);
  }
};

TEST_F(QtPlatformTest, FullScreenWindowIsBorderlessTopmostAndCoversThePrimaryScreen) {
  QtSaverPlatform platform;
  QWidget* window = OpenFullScreenWindow(platform);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Screen Saver");
  EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(window->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(window->geometry(), QGuiApplication::primaryScreen()->geometry());
  platform.CloseSaverWindow(kFullScreenWindow);
  EXPECT_EQ(platform.SaverWindowWidget(kFullScreenWindow), nullptr);
  EXPECT_FALSE(platform.PictureControlExists(kFullScreenPictureControl));
}

TEST_F(QtPlatformTest, PictureControlShowsThePicture) {
  QtSaverPlatform platform;
  QWidget* window = OpenFullScreenWindow(platform);
  QImage picture(platform.PrimaryDisplaySize().width, platform.PrimaryDisplaySize().height,
                 QImage::Format_RGB32);
  picture.fill(qRgb(6, 6, 255));
  platform.ShowPicture(kFullScreenPictureControl, picture);
  const QImage shown = window->grab().toImage();
  EXPECT_TRUE(test::PixelIs(shown, 10, 10, {6, 6, 255}));
  EXPECT_TRUE(test::PixelIs(shown, shown.width() - 1, shown.height() - 1, {6, 6, 255}));
}

TEST_F(QtPlatformTest, AMovedFaceLeavesTheBackgroundWhereItWas) {
  QtSaverPlatform platform;
  QWidget* window = OpenFullScreenWindow(platform);
  const PixelSize size = platform.PrimaryDisplaySize();
  QImage picture(size.width, size.height, QImage::Format_RGB32);
  picture.fill(qRgb(6, 6, 255));
  platform.ShowPicture(kFullScreenPictureControl, picture);
  QImage face(20, 20, QImage::Format_RGB32);
  face.fill(qRgb(255, 0, 0));
  platform.ShowFace(kFullScreenPictureControl, face, {100, 100}, qRgb(0, 0, 0));
  platform.ShowFace(kFullScreenPictureControl, face, {104, 101}, qRgb(0, 0, 0));
  // What the window holds on the screen, not a fresh rendering of it.
  const QImage shown = QGuiApplication::primaryScreen()->grabWindow(window->winId()).toImage();
  ASSERT_FALSE(shown.isNull());
  EXPECT_TRUE(test::PixelIs(shown, 101, 101, {0, 0, 0}));    // left behind
  EXPECT_TRUE(test::PixelIs(shown, 110, 110, {255, 0, 0}));  // the face now
  EXPECT_TRUE(test::PixelIs(shown, 123, 120, {255, 0, 0}));
  EXPECT_TRUE(test::PixelIs(shown, 124, 110, {0, 0, 0}));
  EXPECT_TRUE(test::PixelIs(shown, size.width - 1, size.height - 1, {0, 0, 0}));  // no picture left
}

TEST_F(QtPlatformTest, CloseRequestIsRefusedAndReported) {
  QtSaverPlatform platform;
  QWidget* window = OpenFullScreenWindow(platform);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(platform.TakeMessage(0ms), SaverMessage::CloseRequest);
  EXPECT_EQ(platform.TakeMessage(0ms), std::nullopt);
}

TEST_F(QtPlatformTest, KeysAndClicksBecomeOneMessageEach) {
  QtSaverPlatform platform;
  QWidget* window = OpenFullScreenWindow(platform);
  QWidget* target = window->focusWidget() ? window->focusWidget() : window;
  QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
  QKeyEvent repeatedRelease(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QString(), true);
  QKeyEvent repeatedPress(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString(), true);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
  QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QApplication::sendEvent(target, &repeatedRelease);  // a held key on X11: not a release
  QApplication::sendEvent(target, &repeatedPress);
  QApplication::sendEvent(target, &release);
  QApplication::sendEvent(target, &click);
  EXPECT_EQ(platform.TakeMessage(0ms), SaverMessage::KeyPress);
  EXPECT_EQ(platform.TakeMessage(0ms), SaverMessage::KeyPress);
  EXPECT_EQ(platform.TakeMessage(0ms), SaverMessage::KeyRelease);
  EXPECT_EQ(platform.TakeMessage(0ms), SaverMessage::MouseButton);
  EXPECT_EQ(platform.TakeMessage(0ms), std::nullopt);
}

TEST_F(QtPlatformTest, WaitForAMessageReturnsWhenOneArrives) {
  QtSaverPlatform platform;
  QWidget* window = OpenFullScreenWindow(platform);
  QTimer::singleShot(20ms, window, [window] {
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(window, &release);
  });
  EXPECT_EQ(platform.TakeMessage(5000ms), SaverMessage::KeyRelease);
}

TEST_F(QtPlatformTest, PointerCountsLikeTheWindowsDisplayCounter) {
  QtSaverPlatform platform;
  platform.ShowCursor(false);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
  platform.ShowCursor(false);
  platform.ShowCursor(true);
  EXPECT_TRUE(platform.PointerHidden());
  platform.ShowCursor(true);
  EXPECT_FALSE(platform.PointerHidden());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(QtPlatformTest, NoticeGoesThroughThePresenter) {
  QString title, text;
  int shown = 0;
  QtSaverPlatform platform([&](const QString& t, const QString& s, QWidget* owner) {
    title = t;
    text = s;
    EXPECT_EQ(owner, nullptr);  // no foreground window of ours
    ++shown;
  });
  EXPECT_EQ(RunSaver({"/C"}, nullptr, platform, ReadSystemLocalTime), 0);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(title, QString::fromUtf8("Hinweis"));
  EXPECT_EQ(text, QString::fromUtf8("Hier k\u00f6nnte ihre Werbung stehn!"));
}

TEST_F(QtPlatformTest, NoticeIsAnInformationBoxWithOk) {
  const auto box =
      BuildInformationNotice("Hinweis", QString::fromUtf8("Hier k\u00f6nnte ihre Werbung stehn!"), nullptr);
  EXPECT_EQ(box->icon(), QMessageBox::Information);
  EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
  EXPECT_EQ(box->windowTitle(), "Hinweis");
  EXPECT_EQ(box->text(), QString::fromUtf8("Hier k\u00f6nnte ihre Werbung stehn!"));
}

TEST_F(QtPlatformTest, LinuxHasNoPasswordLibrary) {
  QtSaverPlatform platform;
  EXPECT_FALSE(ChangeSaverPassword(platform));
  EXPECT_TRUE(VerifySaverPassword(platform, kFullScreenWindow));
  EXPECT_EQ(platform.SetScreenSaverRunning(true), 0);
  EXPECT_EQ(platform.SetScreenSaverRunning(false), 1);
}

// The real loop: a close request and a held key do not end it, a release does.
TEST_F(QtPlatformTest, FullScreenRunEndsOnARealKeyRelease) {
  QtSaverPlatform platform;
  bool releaseSent = false;
  QPointer<QWidget> window;
  int frames = 0;
  auto clock = [&] {
    ++frames;
    window = platform.SaverWindowWidget(kFullScreenWindow);
    return test::At(10, 9, 37);
  };
  QTimer script;
  script.setInterval(15ms);
  int step = 0;
  QObject::connect(&script, &QTimer::timeout, [&] {
    if (!window) return;
    ++step;
    if (step == 2) window->close();
    if (step == 3) {
      QKeyEvent held(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QString(), true);
      QApplication::sendEvent(window, &held);
    }
    if (step == 5) {
      releaseSent = true;
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
      QApplication::sendEvent(window, &release);
    }
    if (step == 300) QCursor::setPos(QCursor::pos() + QPoint(500, 500));  // keeps a fault from hanging
  });
  script.start();
  RunFullScreen(platform, clock);
  EXPECT_TRUE(releaseSent);
  EXPECT_GT(frames, 2);
  EXPECT_EQ(platform.SaverWindowWidget(kFullScreenWindow), nullptr);
  EXPECT_TRUE(platform.PointerHidden());
}

TEST_F(QtPlatformTest, FullScreenRunEndsWhenThePointerMovesElevenPixels) {
  QtSaverPlatform platform;
  QCursor::setPos(100, 100);
  QTimer::singleShot(30ms, [] { QCursor::setPos(100, 110); });  // ten: stays
  QTimer::singleShot(60ms, [] { QCursor::setPos(111, 100); });  // eleven: ends
  bool elevenReached = false;
  RunFullScreen(platform, [&] {
    elevenReached = QCursor::pos().x() == 111;
    return test::At(10, 9, 37);
  });
  EXPECT_TRUE(elevenReached);
}

class BogusPreviewHandle : public QtPlatformTest, public ::testing::WithParamInterface<int64_t> {};

TEST_P(BogusPreviewHandle, EndsWithoutShowingAnything) {
  QtSaverPlatform platform;
  int frames = 0;
  RunPreview(
      platform,
      [&] {
        ++frames;
        return test::At(3, 0, 0);
      },
      GetParam());
  EXPECT_EQ(frames, 1);
}

INSTANTIATE_TEST_SUITE_P(Handles, BogusPreviewHandle,
                         ::testing::Values(0, -7, 1, 12345, 0x1FFFFFFF, 0x100000000LL, INT64_MAX));

// ---- a real X server (skipped without one) ----

class RealXServer : public QtPlatformTest {
 protected:
  void SetUp() override {
    QtPlatformTest::SetUp();
    x_ = test::X11TestHost::Connect();
    if (!x_) GTEST_SKIP() << "no X server in DISPLAY";
  }
  std::unique_ptr<test::X11TestHost> x_;
};

TEST_F(RealXServer, PreviewDrawsIntoItsHostAndEndsWhenTheHostGoes) {
  const uint64_t host = x_->CreateWindow(200, 150);
  QtSaverPlatform platform;
  test::ScriptedClock clock;
  clock.now = test::At(3, 0, 0);
  HostedRun run = StartPreviewRun(platform, static_cast<int64_t>(host));
  EXPECT_EQ(run.hostSize, (PixelSize{200, 150}));
  ASSERT_TRUE(RunPreviewFrame(run, platform, clock.AsClock()));
  const auto hub = x_->ChildPixel(host, 100, 75);
  // R = 49: the hour hand reaches 24 pixels right, the disc covers 6 to 18.
  const auto hourHand = x_->ChildPixel(host, 100 + 21, 75);
  const auto disc = x_->ChildPixel(host, 100 + 12, 75 + 4);
  const auto corner = x_->ChildPixel(host, 199, 149);
  ASSERT_TRUE(hub && hourHand && disc && corner);
  constexpr int kDepthTolerance = 8;  // 16-bit servers keep 5 or 6 bits a channel
  EXPECT_TRUE(test::IsNear(*hub, kPreviewColours.secondHand, kDepthTolerance));
  EXPECT_TRUE(test::IsNear(*hourHand, kPreviewColours.hourHand, kDepthTolerance));
  EXPECT_TRUE(test::IsNear(*disc, kPreviewColours.organDisc, kDepthTolerance));
  EXPECT_TRUE(test::IsNear(*corner, kPreviewColours.background, kDepthTolerance));
  x_->DestroyWindow(host);
  EXPECT_FALSE(RunPreviewFrame(run, platform, clock.AsClock()));
  EndHostedRun(run, platform);
}

TEST_F(RealXServer, ANonWindowHandleIsRefused) {
  const uint64_t gone = x_->CreateWindow(50, 50);
  x_->DestroyWindow(gone);
  const HostWindow host{HostWindow::Kind::ForeignHandle, static_cast<int64_t>(gone)};
  QtSaverPlatform platform;
  EXPECT_EQ(platform.HostClientSize(host), std::nullopt);
  EXPECT_FALSE(platform.CreatePictureControl(kPreviewPictureControl, host, {50, 50}));
}

TEST(TerminationSignal, SigtermIsCaughtNotFatal) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        CatchTerminationSignalsOnce();
        std::raise(SIGTERM);
        std::exit(TerminationSignalReceived() ? 0 : 3);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace organsaver
