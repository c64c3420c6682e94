// The month calendar and the date field.
#include <QCalendarWidget>
#include <QDateEdit>
#include <QLocale>
#include <QSignalBlocker>
#include <QTextCharFormat>

#include "platform/clock.h"
#include "platform/control_widgets.h"
#include "platform/controls.h"
#include "platform/object_table.h"
#include "platform/program_identity.h"

namespace platform {

QDate ToQDate(Date d) { return QDate(d.year, d.month, d.day); }
Date FromQDate(const QDate& d) { return {d.year(), d.month(), d.day()}; }

QString DateFieldMask() {
  const std::string& mask = CurrentProgramIdentity().dateMask;
  return mask.empty() ? QLocale().dateFormat(QLocale::ShortFormat) : QString::fromStdString(mask);
}

// Dates are shown in the program's locale (the default one), weeks begin on Monday.
QWidget* MakeMonthCalendar(QWidget* parent, const ReportInput& report) {
  auto* calendar = new QCalendarWidget(parent);
  calendar->setLocale(QLocale());
  calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  calendar->setGridVisible(false);
  calendar->setFirstDayOfWeek(Qt::Monday);
  QObject::connect(calendar, &QCalendarWidget::clicked, report);
  QObject::connect(calendar, &QCalendarWidget::activated, report);
  return calendar;
}

// A new date field shows today's date of the local clock.
QWidget* MakeDateField(QWidget* parent, const ReportInput& report) {
  const LocalTime now = Now();
  auto* edit = new QDateEdit(QDate(now.year, now.month, now.day), parent);
  edit->setDisplayFormat(DateFieldMask());
  edit->setCalendarPopup(true);
  edit->calendarWidget()->setLocale(QLocale());
  edit->calendarWidget()->setFirstDayOfWeek(Qt::Monday);
  QObject::connect(edit, &QDateEdit::dateChanged, report);
  return edit;
}

void SetDateFieldDate(int control, Date date) {
  if (auto* edit = As<QDateEdit>(control)) {
    const QSignalBlocker block(edit);
    edit->setDate(ToQDate(date));
  }
}

void SetDateFieldMinimum(int control, Date date) {
  if (auto* edit = As<QDateEdit>(control)) {
    const QSignalBlocker block(edit);
    edit->setMinimumDate(ToQDate(date));
  }
}

void SetCalendarDayBold(int control, Date date, bool bold) {
  auto* calendar = As<QCalendarWidget>(control);
  if (!calendar) return;
  QTextCharFormat format = calendar->dateTextFormat(ToQDate(date));
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  if (!bold) format = QTextCharFormat();
  calendar->setDateTextFormat(ToQDate(date), format);
}

bool IsCalendarDayBold(int control, Date date) {
  auto* calendar = As<QCalendarWidget>(control);
  return calendar && calendar->dateTextFormat(ToQDate(date)).fontWeight() >= QFont::Bold;
}

Date CalendarSelectedDay(int control) {
  auto* calendar = As<QCalendarWidget>(control);
  return calendar ? FromQDate(calendar->selectedDate()) : Date{};
}

void SetCalendarSelectedDay(int control, Date date) {
  if (auto* calendar = As<QCalendarWidget>(control)) {
    const QSignalBlocker block(calendar);
    calendar->setSelectedDate(ToQDate(date));
  }
}

}  // namespace platform
