// What the controls show and how they stand: their colours, focus, tooltips, places,
// pictures and dates.
#include <QDateEdit>
#include <QLabel>
#include <QTextEdit>

#include "platform/object_table.h"
#include "platform/picture_label.h"
#include "platform/testing/test_probes.h"

namespace platform {

bool ControlExists(int control) { return FindControl(control) != nullptr; }

Rgb ControlBackground(int control) {
  ControlEntry* e = FindControl(control);
  if (!e) return {};
  QWidget* target = e->widget;
  if (auto* edit = qobject_cast<QTextEdit*>(target)) target = edit->viewport();
  const QColor c = target->palette().color(QPalette::Base);
  return {c.red(), c.green(), c.blue()};
}

int FocusedControl(int window) {
  WindowEntry* w = FindWindow(window);
  if (!w) return -1;
  // A compound control (the calendar) hands its focus to a part of it.
  for (QWidget* focus = w->window->focusWidget(); focus; focus = focus->parentWidget())
    for (const auto& [id, entry] : Controls())
      if (entry.widget == focus && entry.window == window) return id;
  return -1;
}

bool IsControlEnabled(int control) {
  ControlEntry* e = FindControl(control);
  return e && e->widget->isEnabled();
}

std::string ControlTooltip(int control) {
  ControlEntry* e = FindControl(control);
  return e ? FromQt(e->widget->toolTip()) : std::string();
}

bool ControlGeometry(int control, int& x, int& y, int& width, int& height) {
  ControlEntry* e = FindControl(control);
  if (!e) return false;
  const QRect g = e->widget->geometry();
  x = g.x();
  y = g.y();
  width = g.width();
  height = g.height();
  return true;
}

int ControlPictureId(int control) {
  ControlEntry* e = FindControl(control);
  return e ? e->picture : -1;
}

Rgb ControlPicturePixel(int control, int x, int y) {
  auto* label = As<QLabel>(control);
  if (!label) return {};
  const QImage image = ShownPicture(label);
  // x and y are in the control's own pixels, however dense the picture is.
  const int ratio = qRound(image.devicePixelRatio());
  if (!image.valid(x * ratio, y * ratio)) return {};
  const QColor c = image.pixelColor(x * ratio, y * ratio);
  return {c.red(), c.green(), c.blue()};
}

double ControlPictureRatio(int control) {
  auto* label = As<QLabel>(control);
  const QImage shown = ShownPicture(label);
  return shown.isNull() ? 0.0 : shown.devicePixelRatio();
}

Date DateFieldDate(int control) {
  auto* edit = As<QDateEdit>(control);
  if (!edit) return Date{};
  const QDate d = edit->date();
  return {d.year(), d.month(), d.day()};
}

}  // namespace platform
