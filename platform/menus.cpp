// Menu bars, their drop-downs and items.
#include "platform/menus.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "platform/object_table.h"

namespace platform {

QAction* FindMenuItem(int menu, int item) {
  MenuEntry* m = FindMenu(menu);
  if (!m) return nullptr;
  auto it = m->items.find(item);
  return it == m->items.end() ? nullptr : it->second.data();
}

std::map<int, MenuEntry>& Menus() {
  static std::map<int, MenuEntry> menus;
  return menus;
}

MenuEntry* FindMenu(int menu) { return FindLiveEntry(Menus(), menu, &MenuEntry::bar); }

bool CreateMenuBar(int menu, int window) {
  WindowEntry* w = FindWindow(window);
  if (!w) return false;
  auto* bar = new QMenuBar(w->window);
  bar->setNativeMenuBar(false);
  w->window->layout()->setMenuBar(bar);
  // F10 opens the first drop-down, as on other desktops, for those who use no mouse.
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), w->window);
  QObject::connect(f10, &QShortcut::activated, bar, [bar] {
    for (QAction* title : bar->actions())
      if (title->isVisible() && title->isEnabled()) return bar->setActiveAction(title);
  });
  MenuEntry entry;
  entry.bar = bar;
  Menus()[menu] = entry;
  return true;
}

void AddMenuTitle(int menu, const std::string& label) {
  MenuEntry* m = FindMenu(menu);
  if (!m) return;
  m->stack.clear();
  m->stack.push_back(m->bar->addMenu(ToQt(label)));
}

void BeginSubmenu(int menu, const std::string& label) {
  MenuEntry* m = FindMenu(menu);
  if (!m || m->stack.empty() || !m->stack.back()) return;
  m->stack.push_back(m->stack.back()->addMenu(ToQt(label)));
}

void EndSubmenu(int menu) {
  MenuEntry* m = FindMenu(menu);
  if (m && m->stack.size() > 1) m->stack.pop_back();
}

void AddMenuItem(int menu, int item, const std::string& label) {
  MenuEntry* m = FindMenu(menu);
  if (!m || m->stack.empty() || !m->stack.back()) return;
  QAction* action = m->stack.back()->addAction(ToQt(label));
  const int window = [&] {
    for (const auto& [id, w] : Windows())
      if (w.window == m->bar->parentWidget()) return id;
    return -1;
  }();
  QObject::connect(action, &QAction::triggered, [action, item, window] {
    // Qt flips a checkable item by itself, but the program sets check marks; only a
    // checked item is checkable, so the flip is undone by checking it again.
    if (action->isCheckable()) action->setChecked(true);
    PostEvent({EventKind::Command, window, item});
  });
  m->items[item] = action;
}

void AddMenuSeparator(int menu) {
  MenuEntry* m = FindMenu(menu);
  if (m && !m->stack.empty() && m->stack.back()) m->stack.back()->addSeparator();
}

void SetMenuItemEnabled(int menu, int item, bool enabled) {
  if (QAction* a = FindMenuItem(menu, item)) a->setEnabled(enabled);
}

void SetMenuItemChecked(int menu, int item, bool checked) {
  QAction* a = FindMenuItem(menu, item);
  if (!a) return;
  // An unchecked item is not checkable, so that it shows no empty check box.
  a->setCheckable(checked);
  a->setChecked(checked);
}

}  // namespace platform
