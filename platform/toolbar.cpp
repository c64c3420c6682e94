// The row of tool buttons at the top of a window.
#include "platform/toolbar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

#include "platform/object_table.h"

namespace platform {
namespace {

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
  QObject::connect(action, &QAction::triggered, [window, command] {
    PostEvent({EventKind::Command, window, command});
  });
  ToolActions()[command] = action;
}

}  // namespace

std::map<int, QPointer<QAction>>& ToolActions() {
  static std::map<int, QPointer<QAction>> actions;
  return actions;
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

}  // namespace platform
