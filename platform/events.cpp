#include "platform/events.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <deque>

#include "platform/clock.h"
#include "platform/object_table.h"

namespace platform {
namespace {

std::deque<Event>& g_queue = EventQueue();
std::atomic<bool> g_woken{false};

bool SecondChanged(const LocalTime& since) {
  const LocalTime now = Now();
  return now.second != since.second || now.minute != since.minute || now.hour != since.hour ||
         now.day != since.day || now.month != since.month || now.year != since.year;
}

}  // namespace

std::deque<Event>& EventQueue() {
  static std::deque<Event> queue;
  return queue;
}

void PostEvent(const Event& event) { g_queue.push_back(event); }

void PostEventOnce(const Event& event) {
  for (const Event& queued : g_queue)
    if (queued.kind == event.kind) return;
  g_queue.push_back(event);
}

void ClearEvents() { g_queue.clear(); }

void ProcessPendingWork() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WakeMainLoop() {
  g_woken = true;
  // The dispatcher's wake-up is sticky: a wait that has not begun yet returns at once.
  if (QCoreApplication* app = QCoreApplication::instance())
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(app->thread()))
      dispatcher->wakeUp();
}

WaitEnd WaitEvent(int timeoutMs, Event& out) {
  if (QCoreApplication::instance()) {
    if (g_queue.empty() && !g_woken && timeoutMs > 0) {
      // Sleep in the window system until something happens or the time is up; one
      // timer, made once, wakes us, so an idle program neither spins nor allocates.
      static bool timerFired = false;
      static QTimer* timer = [] {
        auto* t = new QTimer(QCoreApplication::instance());
        t->setSingleShot(true);
        t->setTimerType(Qt::PreciseTimer);
        QObject::connect(t, &QTimer::timeout, [] { timerFired = true; });
        return t;
      }();
      timerFired = false;
      timer->start(timeoutMs);
      // Waiting also handles whatever the window system has pending. Once the second
      // has changed, the first thing that wakes us (a picture handed over for the new second)
      // ends the wait: the main thread then wakes once a second, not twice.
      const LocalTime began = Now();
      while (g_queue.empty() && !g_woken && !timerFired && !SecondChanged(began))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      timer->stop();
    } else {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
  }
  if (!g_queue.empty()) {
    out = g_queue.front();
    g_queue.pop_front();
    return WaitEnd::Event;
  }
  if (g_woken.exchange(false)) return WaitEnd::Woken;
  return WaitEnd::TimedOut;
}

}  // namespace platform
