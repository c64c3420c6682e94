#include "platform/menus.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStyle>
#include <QHBoxLayout>
#include <QToolButton>

#include "platform/registry.h"
#include "platform/test_probes.h"
#include "platform/ui_driver.h"

namespace platform {
namespace {

std::map<int, QPointer<QAction>>& ToolActions() {
  static std::map<int, QPointer<QAction>> actions;
  return actions;
}

std::multimap<int, QPointer<QShortcut>>& ReturnShortcuts() {
  static std::multimap<int, QPointer<QShortcut>> shortcuts;
  return shortcuts;
}

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

QIcon StandardIcon(QWidget* w, ToolPicture picture) {
  switch (picture) {
    case ToolPicture::NewDocument: return w->style()->standardIcon(QStyle::SP_FileIcon);
    case ToolPicture::OpenFolder: return w->style()->standardIcon(QStyle::SP_DirOpenIcon);
    case ToolPicture::Properties: return w->style()->standardIcon(QStyle::SP_FileDialogDetailedView);
    case ToolPicture::Save: return w->style()->standardIcon(QStyle::SP_DialogSaveButton);
    case ToolPicture::Delete: return w->style()->standardIcon(QStyle::SP_TrashIcon);
  }
  return {};
}

void AddToolAction(int window, int command, const QIcon& icon, const std::string& tooltip) {
  WindowEntry* w = FindWindow(window);
  if (!w || !w->toolbar) return;
  auto* action = new QAction(icon, ToQt(tooltip), w->toolbar);
  action->setToolTip(ToQt(tooltip));
  auto* button = new QToolButton(w->toolbar);
  button->setDefaultAction(action);
  button->setAutoRaise(true);
  button->setIconSize(QSize(16, 16));
  // In front of the stretch that keeps the buttons at the left.
  auto* row = static_cast<QHBoxLayout*>(w->toolbar->layout());
  row->insertWidget(row->count() - 1, button);
  QObject::connect(action, &QAction::triggered,
                   [window, command] { PostEvent({EventKind::Command, window, command}); });
  ToolActions()[command] = action;
}

}  // namespace

std::map<int, MenuEntry>& Menus() {
  static std::map<int, MenuEntry> menus;
  return menus;
}

MenuEntry* FindMenu(int menu) {
  auto it = Menus().find(menu);
  if (it == Menus().end() || !it->second.bar) return nullptr;
  return &it->second;
}

bool CreateMenuBar(int menu, int window) {
  WindowEntry* w = FindWindow(window);
  if (!w) return false;
  auto* bar = new QMenuBar(w->window);
  bar->setNativeMenuBar(false);
  w->window->layout()->setMenuBar(bar);
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

bool CreateToolbar(int window) {
  WindowEntry* w = FindWindow(window);
  if (!w) return false;
  // A plain row of tool buttons: a toolbar's hidden overflow button would be one more
  // button, nameless and of no size, for screen readers to stumble over.
  auto* toolbar = new QWidget(w->client);
  auto* row = new QHBoxLayout(toolbar);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(1);
  row->addStretch(1);
  OfferAsToolBar(toolbar);
  toolbar->setGeometry(0, 0, w->window->width(), 28);
  toolbar->show();
  w->toolbar = toolbar;
  return true;
}

void AddToolButton(int window, int command, ToolPicture picture, const std::string& tooltip) {
  WindowEntry* w = FindWindow(window);
  if (!w) return;
  AddToolAction(window, command, StandardIcon(w->window, picture), tooltip);
}

void AddToolButtonWithPicture(int window, int command, int picture, const std::string& tooltip) {
  AddToolAction(window, command, PictureIcon(picture), tooltip);
}

void EnableToolButton(int command, bool enabled) {
  auto it = ToolActions().find(command);
  if (it != ToolActions().end() && it->second) it->second->setEnabled(enabled);
}

bool IsToolButtonEnabled(int command) {
  auto it = ToolActions().find(command);
  return it != ToolActions().end() && it->second && it->second->isEnabled();
}

std::string ToolButtonTooltip(int command) {
  auto it = ToolActions().find(command);
  return it != ToolActions().end() && it->second ? FromQt(it->second->toolTip()) : std::string();
}

void AddReturnKeyCommand(int window, int command) {
  WindowEntry* w = FindWindow(window);
  if (!w) return;
  for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* shortcut = new QShortcut(QKeySequence(key), w->window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated,
                     [window, command] { PostEvent({EventKind::Command, window, command}); });
    ReturnShortcuts().emplace(window, shortcut);
  }
}

void ClickToolButton(int command) {
  auto it = ToolActions().find(command);
  if (it != ToolActions().end() && it->second && it->second->isEnabled()) it->second->trigger();
}

void PressReturnKey(int window) {
  auto it = ReturnShortcuts().find(window);
  if (it != ReturnShortcuts().end() && it->second) emit it->second->activated();
}

}  // namespace platform
