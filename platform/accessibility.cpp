#include "platform/accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QMetaEnum>

#include "platform/object_table.h"
#include "platform/test_probes.h"

namespace platform {
namespace {

// The role a widget is offered with when the toolkit's own choice would mislead a
// screen reader, kept as a property of the widget.
constexpr const char* kOfferedRole = "platformOfferedAccessibleRole";

// A widget offered with another role than the toolkit would give it.
class OfferedWidget : public QAccessibleWidget {
 public:
  OfferedWidget(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
};

// A drop-down list named after its caption. The toolkit's own drop-down list gives, on
// this platform, its current entry as its name (leaving the caption to a label
// relation), so the hour and the minute list would both be read as "15".
class NamedComboBox : public QAccessibleWidget {
 public:
  explicit NamedComboBox(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}
  QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return combo()->currentText();
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return combo()->currentText();
    return QAccessibleWidget::text(t);
  }
  // The entries, as the toolkit's drop-down list offers them.
  int childCount() const override { return combo()->view() ? 1 : 0; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 && combo()->view() ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && combo()->view() && child->object() == combo()->view() ? 0 : -1;
  }
  QStringList actionNames() const override {
    return QStringList{showMenuAction()} << QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == showMenuAction() || action == pressAction()) combo()->showPopup();
    else QAccessibleWidget::doAction(action);
  }
};

// Consulted before the toolkit's own interfaces (the last installed factory is asked
// first), for the most derived class of the widget.
QAccessibleInterface* OfferedRoleFactory(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  const QVariant role = object->property(kOfferedRole);
  if (!role.isValid()) return nullptr;
  if (auto* combo = qobject_cast<QComboBox*>(object)) return new NamedComboBox(combo);
  return new OfferedWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

void OfferRole(QWidget* widget, QAccessible::Role role) {
  QAccessible::installFactory(OfferedRoleFactory);  // once; later calls are ignored
  widget->setProperty(kOfferedRole, static_cast<int>(role));
  // Showing the widget has made the toolkit create its interface already; it goes, and
  // the next question gets the one offered here.
  QAccessibleInterface* current = QAccessible::queryAccessibleInterface(widget);
  if (current && !dynamic_cast<NamedComboBox*>(current) && !dynamic_cast<OfferedWidget*>(current))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
}

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

// Containers and the parts of a field that stand for nothing of their own: the client
// area, panes, separators, the menu and tool bars (their items carry the names) and
// the scroll bars.
bool IsMereContainer(QAccessible::Role role) {
  return role == QAccessible::Client || role == QAccessible::Pane || role == QAccessible::Separator ||
         role == QAccessible::MenuBar || role == QAccessible::ToolBar || role == QAccessible::ScrollBar;
}

bool IsButton(QAccessible::Role role) {
  return role == QAccessible::Button || role == QAccessible::ButtonMenu ||
         role == QAccessible::ButtonDropDown;
}

void CollectUnnamed(QAccessibleInterface* node, int depth, std::vector<std::string>& out) {
  if (!node || depth > 12) return;
  for (int i = 0; i < node->childCount(); ++i) {
    QAccessibleInterface* child = node->child(i);
    if (!child || !child->isValid()) continue;
    const QAccessible::Role role = child->role();
    // A hidden object is skipped, except a button: it is still listed as one.
    const bool hidden = child->state().invisible || child->rect().isEmpty();
    const bool counts = !IsMereContainer(role) && (!hidden || IsButton(role));
    if (counts && child->text(QAccessible::Name).trimmed().isEmpty()) {
      const QObject* object = child->object();
      const QRect r = child->rect();
      out.push_back(
          FromQt(QStringLiteral("%1 (%2 %3, %4x%5)")
                     .arg(RoleName(role),
                          object ? QString::fromLatin1(object->metaObject()->className()) : QString("-"),
                          object ? object->objectName() : QString())
                     .arg(r.width())
                     .arg(r.height())));
    }
    CollectUnnamed(child, depth + 1, out);
  }
}

}  // namespace

void OfferAsToolBar(QWidget* widget) { OfferRole(widget, QAccessible::ToolBar); }

void SetControlAccessibleName(int control, const std::string& name) {
  ControlEntry* e = FindControl(control);
  if (!e) return;
  const QString text = ToQt(name);
  if (auto* combo = qobject_cast<QComboBox*>(e->widget.data())) OfferRole(combo, QAccessible::ComboBox);
  if (e->widget->accessibleName() != text) e->widget->setAccessibleName(text);
  // The days of a month calendar are a table inside it, which the arrow keys move in.
  // Its month buttons show only arrows and come without a name.
  if (auto* calendar = qobject_cast<QCalendarWidget*>(e->widget.data())) {
    if (auto* days = calendar->findChild<QAbstractItemView*>()) days->setAccessibleName(text);
    if (auto* b = calendar->findChild<QAbstractButton*>(QStringLiteral("qt_calendar_prevmonth")))
      b->setAccessibleName(QStringLiteral("Voriger Monat"));
    if (auto* b = calendar->findChild<QAbstractButton*>(QStringLiteral("qt_calendar_nextmonth")))
      b->setAccessibleName(QString::fromUtf8("N\u00e4chster Monat"));
  }
}

std::string ControlAccessibleName(int control) {
  QAccessibleInterface* iface = InterfaceOf(control);
  return iface ? FromQt(iface->text(QAccessible::Name)) : std::string();
}

void OfferPictureAsLabel(int control) {
  ControlEntry* e = FindControl(control);
  if (!e || !qobject_cast<QLabel*>(e->widget.data())) return;
  // A label that shows a picture is a graphic to the toolkit; this one is read as text.
  OfferRole(e->widget, QAccessible::StaticText);
}

bool IsOfferedAsLabel(int control) {
  QAccessibleInterface* iface = InterfaceOf(control);
  return iface && iface->role() == QAccessible::StaticText;
}

std::vector<std::string> UnnamedAccessibleObjects(int window) {
  std::vector<std::string> out;
  WindowEntry* w = FindWindow(window);
  if (w) CollectUnnamed(QAccessible::queryAccessibleInterface(w->window.data()), 0, out);
  return out;
}

}  // namespace platform
