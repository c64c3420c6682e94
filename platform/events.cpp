#include "platform/events.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <deque>

#include "platform/audio_mixer.h"
#include "platform/clock.h"
#include "platform/registry.h"

namespace platform {
namespace {

std::deque<Event> g_queue;

}  // namespace

void PostEvent(const Event& event) { g_queue.push_back(event); }

void ClearEvents() { g_queue.clear(); }

int PendingEventCount() { return static_cast<int>(g_queue.size()); }

void ProcessPendingWork() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool WaitEvent(int timeoutMs, Event& out) {
  mixer::SuspendWhenIdle();  // no audio thread waking an idle program
  if (QCoreApplication::instance()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (g_queue.empty() && timeoutMs > 0) {
      // Sleep in the window system until something happens or the time is up; a
      // single timer wakes us, so an idle program does not spin.
      static QTimer* timer = [] {
        auto* t = new QTimer(QCoreApplication::instance());
        t->setSingleShot(true);
        t->setTimerType(Qt::PreciseTimer);
        return t;
      }();
      bool expired = false;
      auto connection = QObject::connect(timer, &QTimer::timeout, [&expired] { expired = true; });
      timer->start(timeoutMs);
      while (g_queue.empty() && !expired)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      timer->stop();
      QObject::disconnect(connection);
    }
  }
  if (g_queue.empty()) return false;
  out = g_queue.front();
  g_queue.pop_front();
  return true;
}

}  // namespace platform
