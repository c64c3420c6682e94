#pragma once
// The widgets behind the kinds of control that have a file of their own, made for
// CreateControl. `report` tells the main loop of the user's input on the control.
#include <QDate>
#include <QWidget>

#include <functional>

#include "platform/types.h"

namespace platform {

using ReportInput = std::function<void()>;

QWidget* MakeDropDownList(QWidget* parent, const ReportInput& report);
QWidget* MakeMonthCalendar(QWidget* parent, const ReportInput& report);
QWidget* MakeDateField(QWidget* parent, const ReportInput& report);
QWidget* MakeReportList(QWidget* parent, const ReportInput& report);
QWidget* MakePictureControl(QWidget* parent);

QDate ToQDate(Date d);
Date FromQDate(const QDate& d);
// How a date field shows its date, and how its text is read and written: the program's
// date mask, or the locale's short form where it names none.
QString DateFieldMask();

}  // namespace platform
