// What a screen reader finds, asked through the toolkit's accessibility interface.
#include <QAccessible>
#include <QMetaEnum>
#include <QWidget>

#include "platform/object_table.h"
#include "platform/testing/test_probes.h"

namespace platform {
namespace {

QAccessibleInterface* InterfaceOf(int control) {
  ControlEntry* e = FindControl(control);
  return e ? QAccessible::queryAccessibleInterface(e->widget.data()) : nullptr;
}

QString RoleName(QAccessible::Role role) {
  const QMetaEnum roles =
      QAccessible::staticMetaObject.enumerator(QAccessible::staticMetaObject.indexOfEnumerator("Role"));
  const char* key = roles.valueToKey(role);
  return key ? QString::fromLatin1(key) : QString::number(role);
}

// Containers that stand for nothing of their own: the client area, panes, separators,
// the menu and tool bars (their items carry the names).
bool IsMereContainer(QAccessible::Role role) {
  return role == QAccessible::Client || role == QAccessible::Pane || role == QAccessible::Separator ||
         role == QAccessible::MenuBar || role == QAccessible::ToolBar;
}

// Objects hidden now count too (a screen reader lists them all the same), except the
// contents of pop-ups, which are windows of their own that have to be opened first.
void CollectUnnamed(const QWidget* window, QAccessibleInterface* node, int depth,
                    std::vector<std::string>& out) {
  if (!node || depth > 12) return;
  for (int i = 0; i < node->childCount(); ++i) {
    QAccessibleInterface* child = node->child(i);
    if (!child || !child->isValid()) continue;
    const QObject* object = child->object();
    if (object && object->isWidgetType() && static_cast<const QWidget*>(object)->window() != window)
      continue;
    const QAccessible::Role role = child->role();
    const bool counts = !IsMereContainer(role);
    if (counts && child->text(QAccessible::Name).trimmed().isEmpty()) {
      const QRect r = child->rect();
      out.push_back(
          FromQt(QStringLiteral("%1 (%2 %3, %4x%5)")
                     .arg(RoleName(role),
                          object ? QString::fromLatin1(object->metaObject()->className()) : QString("-"),
                          object ? object->objectName() : QString())
                     .arg(r.width())
                     .arg(r.height())));
    }
    CollectUnnamed(window, child, depth + 1, out);
  }
}

}  // namespace

std::string ControlAccessibleName(int control) {
  QAccessibleInterface* iface = InterfaceOf(control);
  return iface ? FromQt(iface->text(QAccessible::Name)) : std::string();
}

bool IsOfferedAsLabel(int control) {
  QAccessibleInterface* iface = InterfaceOf(control);
  return iface && iface->role() == QAccessible::StaticText;
}

std::string WindowAccessibleRole(int window) {
  WindowEntry* w = FindWindow(window);
  QAccessibleInterface* iface = w ? QAccessible::queryAccessibleInterface(w->window.data()) : nullptr;
  return iface ? FromQt(RoleName(iface->role())) : std::string();
}

std::string WindowAccessibleName(int window) {
  WindowEntry* w = FindWindow(window);
  QAccessibleInterface* iface = w ? QAccessible::queryAccessibleInterface(w->window.data()) : nullptr;
  return iface ? FromQt(iface->text(QAccessible::Name)) : std::string();
}

std::vector<std::string> UnnamedAccessibleObjects(int window) {
  std::vector<std::string> out;
  WindowEntry* w = FindWindow(window);
  if (w) CollectUnnamed(w->window, QAccessible::queryAccessibleInterface(w->window.data()), 0, out);
  return out;
}

}  // namespace platform
