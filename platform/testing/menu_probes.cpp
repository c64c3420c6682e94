// The menu bars and tool buttons as a user finds them.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "platform/object_table.h"
#include "platform/testing/test_probes.h"

namespace platform {
namespace {

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

bool IsMenuItemEnabled(int menu, int item) {
  QAction* a = FindMenuItem(menu, item);
  return a && a->isEnabled();
}

bool IsMenuItemChecked(int menu, int item) {
  QAction* a = FindMenuItem(menu, item);
  return a && a->isChecked();
}

bool MenuItemExists(int menu, int item) { return FindMenuItem(menu, item) != nullptr; }

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

bool IsToolButtonEnabled(int command) {
  auto it = ToolActions().find(command);
  return it != ToolActions().end() && it->second && it->second->isEnabled();
}

std::string ToolButtonTooltip(int command) {
  auto it = ToolActions().find(command);
  return it != ToolActions().end() && it->second ? FromQt(it->second->toolTip()) : std::string();
}

}  // namespace platform
