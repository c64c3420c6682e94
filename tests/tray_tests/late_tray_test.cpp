// A tray that starts after the program, as at a login with autostart. Run by
// late_tray_test.sh on a private X server inside a private session bus, once with each
// kind of tray: FAKE_TRAY names a program that plays the desktop's StatusNotifierWatcher
// or XEmbed tray manager and writes "docked ..." when an icon comes to it.
#include <gtest/gtest.h>

#include <QProcess>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/testing/test_probes.h"
#include "platform/testing/ui_driver.h"
#include "platform/tray.h"
#include "shell/state/identifiers.h"
#include "shell/state/settings.h"
#include "tests/support/program_fixture.h"

namespace {

class LateTrayTest : public ProgramTest {};

TEST_F(LateTrayTest, TrayIconGoesIntoATrayThatStartsLater) {
  const char* fake = std::getenv("FAKE_TRAY");
  ASSERT_TRUE(fake) << "needs FAKE_TRAY";
  platform::SetTrayAvailableForTesting(-1);  // the desktop is asked
  Settings settings = DefaultSettings();
  settings.trayMode = true;
  settings.viewInterval = ViewInterval::SmallOnly();
  PrepareEarlierRun(EncodeSettings(settings));
  Start();
  ASSERT_FALSE(platform::IsTrayAvailable());
  // Until then the minimised small window in the task bar is the way back.
  EXPECT_TRUE(platform::IsWindowVisible(kSmallWindow));
  EXPECT_TRUE(platform::IsWindowMinimised(kSmallWindow));
  EXPECT_FALSE(platform::IsWindowVisible(kMainWindow));

  QProcess tray;
  tray.start(QString::fromLocal8Bit(fake), {});
  ASSERT_TRUE(tray.waitForStarted());
  QByteArray said;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!said.contains("docked ") && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    Pass();
    tray.waitForReadyRead(0);
    said += tray.readAllStandardOutput();
  }
  EXPECT_TRUE(said.contains("docked "))
      << "the tray icon never registered with the tray: " << said.toStdString();
  EXPECT_TRUE(platform::IsTrayAvailable());
  EXPECT_FALSE(platform::IsWindowVisible(kSmallWindow)) << "the stand-in stays beside the tray icon";
  tray.kill();
  tray.waitForFinished();
}

}  // namespace
