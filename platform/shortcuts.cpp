// Keys that deliver a command in a window.
#include "platform/shortcuts.h"

#include <QShortcut>

#include "platform/object_table.h"

namespace platform {

std::multimap<int, QPointer<QShortcut>>& ReturnShortcuts() {
  static std::multimap<int, QPointer<QShortcut>> shortcuts;
  return shortcuts;
}

void AddReturnKeyCommand(int window, int command) {
  WindowEntry* w = FindWindow(window);
  if (!w) return;
  for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* shortcut = new QShortcut(QKeySequence(key), w->window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, [window, command] {
      PostEvent({EventKind::Command, window, command});
    });
    ReturnShortcuts().emplace(window, shortcut);
  }
}

}  // namespace platform
