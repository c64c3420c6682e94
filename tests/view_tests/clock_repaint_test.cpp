#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPaintEvent>

#include <chrono>
#include <thread>

#include "platform/events.h"
#include "platform/testing/test_probes.h"
#include "shell/clock_renderer.h"
#include "shell/state/identifiers.h"
#include "tests/support/program_fixture.h"

namespace {

constexpr int kWidth = 300, kHeight = 95;  // the large clock's picture

// Collects the regions the watched widget is repainted in.
class PaintWatch : public QObject {
 public:
  QRegion painted;

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return QObject::eventFilter(target, event);
  }
};

QLabel* LabelOfControl(int control) {
  int x, y, w, h;
  if (!platform::ControlGeometry(control, x, y, w, h)) return nullptr;
  for (QWidget* widget : QApplication::allWidgets())
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->geometry() == QRect(x, y, w, h))
      return label;
  return nullptr;
}

// The bounding box of the pixels in which the large clock now differs from `before`.
QRect ChangedSince(const std::vector<platform::Rgb>& before) {
  QRect changed;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (platform::ControlPicturePixel(kCtlLargeClock, x, y) != before[y * kWidth + x])
        changed |= QRect(x, y, 1, 1);
  return changed;
}

class ClockRepaintTest : public ProgramTest {};

// A new second changes a few digits; only they go to the screen, since sending the
// whole picture each second makes the next request wait for the display server.
TEST_F(ClockRepaintTest, ANewSecondRepaintsOnlyWhereThePictureChanged) {
  SetTime(2026, 12, 7, 9, 5, 7);
  Start();
  QLabel* clock = LabelOfControl(kCtlLargeClock);
  ASSERT_NE(clock, nullptr);
  ASSERT_TRUE(clock->isVisible());
  // The first picture and the window's first paint come whole; let them pass first.
  for (int i = 0; i < 400 && ClockRendererDrawCount() == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  for (int i = 0; i < 20; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    platform::ProcessPendingWork();
    QApplication::sendPostedEvents();
  }
  std::vector<platform::Rgb> before;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) before.push_back(platform::ControlPicturePixel(kCtlLargeClock, x, y));
  PaintWatch watch;
  clock->installEventFilter(&watch);

  const long draws = ClockRendererDrawCount();
  SetTime(2026, 12, 7, 9, 5, 8);
  for (int i = 0; i < 400 && ClockRendererDrawCount() <= draws; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  ASSERT_GT(ClockRendererDrawCount(), draws);
  for (int i = 0; i < 20 && watch.painted.isEmpty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    platform::ProcessPendingWork();
    QApplication::sendPostedEvents();
  }
  clock->removeEventFilter(&watch);

  const QRect changed = ChangedSince(before);
  ASSERT_FALSE(changed.isEmpty()) << "the second did not change the picture";
  const QRect area = watch.painted.boundingRect();
  EXPECT_TRUE(area.contains(changed))
      << "painted " << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
  EXPECT_LT(area.width() * area.height(), kWidth * kHeight / 2);
}

}  // namespace
