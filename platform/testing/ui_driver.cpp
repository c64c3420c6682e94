#include "platform/testing/ui_driver.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QTableWidget>
#include <QWidget>

#include "platform/object_table.h"
#include "platform/tray_table.h"

namespace platform {
void TriggerMenuItem(int menu, int item) {
  MenuEntry* m = FindMenu(menu);
  if (!m) return;
  auto it = m->items.find(item);
  if (it != m->items.end() && it->second && it->second->isEnabled()) it->second->trigger();
}

void RequestWindowClose(int window) {
  if (WindowEntry* w = FindWindow(window)) w->window->close();
}

void PostWindowCloseRequest(int window) {
  if (WindowEntry* w = FindWindow(window)) QCoreApplication::postEvent(w->window, new QCloseEvent);
}

void ClickCalendarDay(int control, Date day) {
  if (auto* calendar = As<QCalendarWidget>(control)) {
    if (!calendar->isEnabled()) return;
    const QDate d(day.year, day.month, day.day);
    calendar->setSelectedDate(d);
    emit calendar->clicked(d);
  }
}

void ChooseListItem(int control, int index) {
  if (auto* combo = As<QComboBox>(control)) {
    if (!combo->isEnabled() || index < 0 || index >= combo->count()) return;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
}

void ClickOption(int control) {
  if (auto* option = As<QRadioButton>(control))
    if (option->isEnabled()) option->click();
}

void TypeText(int control, const std::string& text) {
  if (auto* line = As<QLineEdit>(control)) {
    if (!line->isEnabled()) return;
    line->setText(ToQt(text));
  }
}

void SetTextThroughAccessibility(int control, const std::string& text) {
  ControlEntry* e = FindControl(control);
  QAccessibleInterface* iface = e ? QAccessible::queryAccessibleInterface(e->widget.data()) : nullptr;
  if (!iface || !iface->editableTextInterface() || !iface->textInterface()) return;
  // What the accessibility bridge does for SetTextContents.
  iface->editableTextInterface()->replaceText(0, iface->textInterface()->characterCount(), ToQt(text));
}

void PressKeyIn(int control, char key) {
  ControlEntry* e = FindControl(control);
  if (!e || !e->widget->isEnabled()) return;
  const QChar c = QChar::fromLatin1(key);
  const int code = c.toUpper().unicode();  // Qt's key codes for letters are the capitals
  QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(c));
  QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, QString(c));
  QApplication::sendEvent(e->widget, &press);
  QApplication::sendEvent(e->widget, &release);
}

void PressKeyInWindow(int window, const std::string& key, bool withAlt) {
  WindowEntry* w = FindWindow(window);
  if (!w) return;
  const bool altAlone = key == "Alt";
  const int code = altAlone ? Qt::Key_Alt : QKeySequence::fromString(QString::fromStdString(key))[0].key();
  const Qt::KeyboardModifiers held = withAlt || altAlone ? Qt::AltModifier : Qt::NoModifier;
  const QString text = key.size() == 1 && !withAlt ? QString::fromStdString(key).toLower() : QString();
  // An open drop-down takes the keys, as it grabs the keyboard.
  QWidget* target = QApplication::activePopupWidget();
  if (!target) {
    target = QApplication::focusWidget();
    if (!target || target->window() != w->window) target = w->window;
  }
  // Sent, not posted: the application then offers the key to the shortcuts first.
  QKeyEvent press(QEvent::KeyPress, code, held, text);
  QApplication::sendEvent(target, &press);
  QWidget* releaseTarget = QApplication::activePopupWidget();
  if (!releaseTarget) releaseTarget = QApplication::focusWidget();
  if (!releaseTarget) releaseTarget = w->window;
  QKeyEvent release(QEvent::KeyRelease, code, altAlone ? Qt::NoModifier : held, text);
  QApplication::sendEvent(releaseTarget, &release);
}

void PickDate(int control, Date day) {
  if (auto* edit = As<QDateEdit>(control))
    if (edit->isEnabled()) edit->setDate(QDate(day.year, day.month, day.day));
}

void ClickReportRow(int control, int row) {
  auto* table = As<QTableWidget>(control);
  if (!table || !table->isEnabled()) return;
  if (row < 0 || row >= table->rowCount()) table->clearSelection();
  else table->selectRow(row);
}

void MoveWindowByUser(int window, int x, int y) {
  if (WindowEntry* w = FindWindow(window)) w->window->move(x, y);
}

void ClickToolButton(int command) {
  auto it = ToolActions().find(command);
  if (it != ToolActions().end() && it->second && it->second->isEnabled()) it->second->trigger();
}

void PressReturnKey(int window) {
  auto it = ReturnShortcuts().find(window);
  if (it != ReturnShortcuts().end() && it->second) emit it->second->activated();
}

void ClickTrayIcon(int icon) {
  auto it = TrayIcons().find(icon);
  if (it != TrayIcons().end() && it->second.icon) emit it->second.icon->activated(QSystemTrayIcon::Trigger);
}

void SetTrayAvailableForTesting(int available) { TrayPresenceOverride() = available; }

}  // namespace platform
