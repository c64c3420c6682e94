#include "platform/accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QMetaEnum>
#include <QScrollBar>
#include <QSpinBox>

#include "platform/object_table.h"
#include "platform/program_identity.h"

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

}  // namespace

void OfferAsToolBar(QWidget* widget) { OfferRole(widget, QAccessible::ToolBar); }

// A plain widget as a window is a mere pane to the toolkit; a screen reader announces
// only a frame when it is activated.
void OfferAsWindow(QWidget* widget) { OfferRole(widget, QAccessible::Window); }

void SetControlAccessibleName(int control, const std::string& name) {
  ControlEntry* e = FindControl(control);
  if (!e) return;
  const QString text = ToQt(name);
  if (auto* combo = qobject_cast<QComboBox*>(e->widget.data())) OfferRole(combo, QAccessible::ComboBox);
  if (e->widget->accessibleName() != text) e->widget->setAccessibleName(text);
  // The days of a month calendar are a table inside it, which the arrow keys move in.
  if (auto* calendar = qobject_cast<QCalendarWidget*>(e->widget.data()))
    if (auto* days = calendar->findChild<QAbstractItemView*>()) days->setAccessibleName(text);
}

void NameControlParts(QWidget* control) {
  const ControlPartNames& names = CurrentProgramIdentity().partNames;
  const auto give = [](QWidget* part, const std::string& name) {
    if (part && !name.empty()) part->setAccessibleName(ToQt(name));
  };
  // A month calendar's arrow buttons show only arrows, and its year field, which its
  // year button opens, has no caption; a date field carries one in its drop-down.
  QList<QCalendarWidget*> calendars = control->findChildren<QCalendarWidget*>();
  if (auto* calendar = qobject_cast<QCalendarWidget*>(control)) calendars << calendar;
  for (QCalendarWidget* calendar : calendars) {
    give(calendar->findChild<QAbstractButton*>(QStringLiteral("qt_calendar_prevmonth")),
         names.previousMonth);
    give(calendar->findChild<QAbstractButton*>(QStringLiteral("qt_calendar_nextmonth")), names.nextMonth);
    give(calendar->findChild<QSpinBox*>(QStringLiteral("qt_calendar_yearedit")), names.year);
  }
  for (QScrollBar* bar : control->findChildren<QScrollBar*>())
    give(bar, bar->orientation() == Qt::Vertical ? names.verticalScrollBar : names.horizontalScrollBar);
}

void OfferPictureAsLabel(int control) {
  ControlEntry* e = FindControl(control);
  if (!e || !qobject_cast<QLabel*>(e->widget.data())) return;
  // A label that shows a picture is a graphic to the toolkit; this one is read as text.
  OfferRole(e->widget, QAccessible::StaticText);
}

}  // namespace platform
