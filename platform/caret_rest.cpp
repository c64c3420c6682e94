#include "platform/caret_rest.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>

#include "platform/program_identity.h"

namespace platform {
namespace {

int g_desktopFlashTime = 0;  // the desktop's own setting; 0 means it never blinks
bool g_resting = false;
SteadyTime g_lastInput{};

void Wake() {
  g_lastInput = SteadyNow();
  if (!g_resting) return;
  g_resting = false;
  QApplication::setCursorFlashTime(g_desktopFlashTime);
}

class InputWatch : public QObject {
 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::MouseButtonPress:
      case QEvent::Wheel:
      case QEvent::InputMethod: Wake(); break;
      default: break;
    }
    return QObject::eventFilter(target, event);
  }
};

}  // namespace

void InstallCaretRest() {
  static QPointer<InputWatch> watch;
  if (!qApp || watch) return;
  watch = new InputWatch;
  watch->setParent(qApp);
  qApp->installEventFilter(watch);
  g_desktopFlashTime = QApplication::cursorFlashTime();
  g_lastInput = SteadyNow();
  // A program started with the session sits untouched at first: its caret rests until
  // the first key press or click, rather than blinking through its first seconds.
  if (g_desktopFlashTime > 0) {
    g_resting = true;
    QApplication::setCursorFlashTime(0);
  }
}

void RestCaretIfIdle(SteadyTime now) {
  if (g_resting || g_desktopFlashTime <= 0 || !qApp) return;
  if (now - g_lastInput < CurrentProgramIdentity().caretRest) return;
  g_resting = true;
  QApplication::setCursorFlashTime(0);
}

}  // namespace platform
