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
#include "platform/test_probes.h"

namespace platform {
namespace {

QAction* FindItem(int menu, int item) {
  MenuEntry* m = FindMenu(menu);
  if (!m) return nullptr;
  auto it = m->items.find(item);
  return it == m->items.end() ? nullptr : it->second.data();
}

void DescribeInto(QMenu* menu, int depth, const MenuEntry& entry, std::vector<std::string>& out) {
  const std::string indent(static_cast<size_t>(depth) * 2, ' ');
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      out.push_back(indent + "---");
    } else if (action->menu()) {
      out.push_back(indent + FromQt(action->text()));
      DescribeInto(action->menu(), depth + 1, entry, out);
    } else {
      int id = -1;
      for (const auto& [key, value] : entry.items)
        if (value == action) id = key;
      out.push_back(indent + std::to_string(id) + " " + FromQt(action->text()));
    }
  }
}

}  // namespace

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
  if (QAction* a = FindItem(menu, item)) a->setEnabled(enabled);
}

bool IsMenuItemEnabled(int menu, int item) {
  QAction* a = FindItem(menu, item);
  return a && a->isEnabled();
}

void SetMenuItemChecked(int menu, int item, bool checked) {
  QAction* a = FindItem(menu, item);
  if (!a) return;
  // An unchecked item is not checkable, so that it shows no empty check box.
  a->setCheckable(checked);
  a->setChecked(checked);
}

bool IsMenuItemChecked(int menu, int item) {
  QAction* a = FindItem(menu, item);
  return a && a->isChecked();
}

bool MenuItemExists(int menu, int item) { return FindItem(menu, item) != nullptr; }

std::string OpenMenuTitle() {
  auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  return open ? FromQt(open->title().remove(QLatin1Char('&'))) : std::string();
}

std::vector<std::string> DescribeMenu(int menu) {
  std::vector<std::string> out;
  MenuEntry* m = FindMenu(menu);
  if (!m) return out;
  for (QAction* title : m->bar->actions()) {
    if (!title->menu()) continue;
    out.push_back(FromQt(title->text()));
    DescribeInto(title->menu(), 1, *m, out);
  }
  return out;
}

}  // namespace platform
