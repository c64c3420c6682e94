#include "platform/controls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>

#include "platform/narrow_list_style.h"
#include "platform/picture_label.h"
#include "platform/registry.h"
#include "platform/test_probes.h"

namespace platform {
namespace {

QDate ToQDate(Date d) { return QDate(d.year, d.month, d.day); }
Date FromQDate(const QDate& d) { return {d.year(), d.month(), d.day()}; }

// Report a user's input on control `control` of window `window` to the main loop.
auto Reporter(int window, int control) {
  return [window, control] { PostEvent({EventKind::Control, window, control}); };
}

QWidget* MakeWidget(int window, int control, ControlKind kind, QWidget* parent, WindowEntry& entry,
                    const QString& text) {
  const auto report = Reporter(window, control);
  switch (kind) {
    case ControlKind::Label:
    case ControlKind::CentredLabel:
    case ControlKind::RightLabel: {
      auto* label = new QLabel(text, parent);
      const Qt::Alignment h = kind == ControlKind::CentredLabel ? Qt::AlignHCenter
                              : kind == ControlKind::RightLabel ? Qt::AlignRight
                                                                : Qt::AlignLeft;
      label->setAlignment(h | Qt::AlignTop);
      label->setAutoFillBackground(false);
      return label;
    }
    case ControlKind::Frame:
      return new QGroupBox(text, parent);
    case ControlKind::Picture: {
      auto* label = new PictureLabel(parent);
      label->setAlignment(Qt::AlignCenter);
      return label;
    }
    case ControlKind::RichText: {
      auto* edit = new QTextEdit(parent);
      edit->setAcceptRichText(false);
      edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
      edit->setPlainText(text);
      edit->setAutoFillBackground(true);
      return edit;
    }
    case ControlKind::MonthCalendar: {
      auto* calendar = new QCalendarWidget(parent);
      calendar->setLocale(QLocale(QLocale::German, QLocale::Germany));
      calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
      calendar->setGridVisible(false);
      calendar->setFirstDayOfWeek(Qt::Monday);
      QObject::connect(calendar, &QCalendarWidget::clicked, report);
      QObject::connect(calendar, &QCalendarWidget::activated, report);
      return calendar;
    }
    case ControlKind::DateField: {
      auto* edit = new QDateEdit(QDate::currentDate(), parent);
      edit->setDisplayFormat("dd.MM.yyyy");
      edit->setCalendarPopup(true);
      edit->calendarWidget()->setLocale(QLocale(QLocale::German, QLocale::Germany));
      edit->calendarWidget()->setFirstDayOfWeek(Qt::Monday);
      QObject::connect(edit, &QDateEdit::dateChanged, report);
      return edit;
    }
    case ControlKind::DropDownList: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(false);
      combo->setMaxVisibleItems(10);
      UseNarrowListStyle(combo);
      QObject::connect(combo, &QComboBox::activated, report);
      return combo;
    }
    case ControlKind::OptionButton: {
      auto* option = new QRadioButton(text, parent);
      if (!entry.optionGroup) {
        entry.optionGroup = new QButtonGroup(entry.window);
        entry.optionGroup->setExclusive(true);
      }
      entry.optionGroup->addButton(option);
      QObject::connect(option, &QRadioButton::clicked, report);
      return option;
    }
    case ControlKind::LineEdit: {
      auto* edit = new QLineEdit(text, parent);
      QObject::connect(edit, &QLineEdit::textEdited, report);
      return edit;
    }
    case ControlKind::ReportList: {
      auto* table = new QTableWidget(parent);
      table->setColumnCount(0);
      table->setSelectionBehavior(QAbstractItemView::SelectRows);
      table->setSelectionMode(QAbstractItemView::SingleSelection);
      table->setEditTriggers(QAbstractItemView::NoEditTriggers);
      table->setShowGrid(true);
      table->verticalHeader()->setVisible(false);
      table->verticalHeader()->setDefaultSectionSize(18);
      table->horizontalHeader()->setHighlightSections(false);
      table->horizontalHeader()->setStretchLastSection(false);
      // Keep the selection visible when the list has no focus.
      QPalette palette = table->palette();
      palette.setColor(QPalette::Inactive, QPalette::Highlight,
                       palette.color(QPalette::Active, QPalette::Highlight));
      palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                       palette.color(QPalette::Active, QPalette::HighlightedText));
      table->setPalette(palette);
      QObject::connect(table, &QTableWidget::itemSelectionChanged, report);
      return table;
    }
  }
  return nullptr;
}

}  // namespace

std::map<int, ControlEntry>& Controls() {
  static std::map<int, ControlEntry> controls;
  return controls;
}

ControlEntry* FindControl(int control) {
  auto it = Controls().find(control);
  if (it == Controls().end() || !it->second.widget) return nullptr;
  return &it->second;
}

bool CreateControl(int window, int control, ControlKind kind, int x, int y, int width, int height,
                   const std::string& text) {
  WindowEntry* entry = FindWindow(window);
  if (!entry) return false;
  if (ControlEntry* old = FindControl(control)) delete old->widget.data();
  Controls().erase(control);
  QWidget* widget = MakeWidget(window, control, kind, entry->client, *entry, ToQt(text));
  // A drop-down list is given its height with the list open; closed it is one line.
  if (kind == ControlKind::DropDownList) height = std::min(height, widget->sizeHint().height());
  widget->setGeometry(x, y, width, height);
  widget->show();
  ControlEntry e;
  e.widget = widget;
  e.window = window;
  e.kind = static_cast<int>(kind);
  Controls()[control] = e;
  return true;
}

bool ControlExists(int control) { return FindControl(control) != nullptr; }

void SetControlFont(int control, int font) {
  ControlEntry* e = FindControl(control);
  const QFont* f = FindFont(font);
  if (!e || !f) return;
  e->widget->setFont(*f);
  // A group frame's font must not pass on to the controls inside it.
  for (QWidget* child : e->widget->findChildren<QWidget*>()) child->setFont(QApplication::font());
}

void SetControlText(int control, const std::string& text) {
  ControlEntry* e = FindControl(control);
  if (!e) return;
  const QSignalBlocker block(e->widget);
  const QString t = ToQt(text);
  QWidget* w = e->widget;
  if (auto* label = qobject_cast<QLabel*>(w)) label->setText(t);
  else if (auto* box = qobject_cast<QGroupBox*>(w)) box->setTitle(t);
  else if (auto* edit = qobject_cast<QTextEdit*>(w)) edit->setPlainText(t);
  else if (auto* line = qobject_cast<QLineEdit*>(w)) line->setText(t);
  else if (auto* option = qobject_cast<QRadioButton*>(w)) option->setText(t);
  else if (auto* date = qobject_cast<QDateEdit*>(w)) {
    const QDate d = QDate::fromString(t, "dd.MM.yyyy");
    if (d.isValid()) date->setDate(d);
  }
}

std::string ControlText(int control) {
  ControlEntry* e = FindControl(control);
  if (!e) return {};
  QWidget* w = e->widget;
  if (auto* label = qobject_cast<QLabel*>(w)) return FromQt(label->text());
  if (auto* box = qobject_cast<QGroupBox*>(w)) return FromQt(box->title());
  if (auto* edit = qobject_cast<QTextEdit*>(w)) {
    // The field's line breaks are CR LF, as the text files have them. toPlainText would
    // turn a no-break space (byte A0) into a blank, so the raw text is taken and only
    // its block and line separators become line breaks.
    QString text = edit->document()->toRawText();
    for (QChar& c : text) {
      const char16_t u = c.unicode();
      if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0 || u == 0xFDD1) c = u'\n';
    }
    return FromQt(text.replace(QChar('\n'), QStringLiteral("\r\n")));
  }
  if (auto* line = qobject_cast<QLineEdit*>(w)) return FromQt(line->text());
  if (auto* option = qobject_cast<QRadioButton*>(w)) return FromQt(option->text());
  if (auto* date = qobject_cast<QDateEdit*>(w)) return FromQt(date->date().toString("dd.MM.yyyy"));
  if (auto* combo = qobject_cast<QComboBox*>(w)) return FromQt(combo->currentText());
  return {};
}

void SetControlTextColour(int control, Rgb colour) {
  ControlEntry* e = FindControl(control);
  if (!e) return;
  QPalette p = e->widget->palette();
  const QColor c(colour.r, colour.g, colour.b);
  p.setColor(QPalette::WindowText, c);
  p.setColor(QPalette::Text, c);
  e->widget->setPalette(p);
}

Rgb ControlTextColour(int control) {
  ControlEntry* e = FindControl(control);
  if (!e) return {};
  const QColor c = e->widget->palette().color(QPalette::WindowText);
  return {c.red(), c.green(), c.blue()};
}

void SetControlBackground(int control, Rgb colour) {
  ControlEntry* e = FindControl(control);
  if (!e) return;
  QWidget* target = e->widget;
  if (auto* edit = qobject_cast<QTextEdit*>(target)) target = edit->viewport();
  QPalette p = target->palette();
  p.setColor(QPalette::Base, QColor(colour.r, colour.g, colour.b));
  target->setPalette(p);
  target->setAutoFillBackground(true);
}

Rgb ControlBackground(int control) {
  ControlEntry* e = FindControl(control);
  if (!e) return {};
  QWidget* target = e->widget;
  if (auto* edit = qobject_cast<QTextEdit*>(target)) target = edit->viewport();
  const QColor c = target->palette().color(QPalette::Base);
  return {c.red(), c.green(), c.blue()};
}

void EnableControl(int control, bool enabled) {
  if (ControlEntry* e = FindControl(control)) e->widget->setEnabled(enabled);
}

bool IsControlEnabled(int control) {
  ControlEntry* e = FindControl(control);
  return e && e->widget->isEnabled();
}

void SetControlTooltip(int control, const std::string& text) {
  if (ControlEntry* e = FindControl(control)) e->widget->setToolTip(ToQt(text));
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

void SetControlPicture(int control, int picture) {
  auto* label = As<QLabel>(control);
  if (!label) return;
  QImage* image = FindPicture(picture);
  if (auto* shown = dynamic_cast<PictureLabel*>(label)) shown->ForgetHandedPicture();
  label->setPixmap(image ? PictureForScreen(picture, label->devicePixelRatioF()) : QPixmap());
  FindControl(control)->picture = image ? picture : -1;
}

void HandPictureToControl(int control, int picture, const std::string& accessibleName) {
  HandPicturesToControls({{control, picture}}, accessibleName);
}

void HandPicturesToControls(const std::vector<std::pair<int, int>>& controlsAndPictures,
                            const std::string& accessibleName) {
  if (!QCoreApplication::instance()) return;
  // The copies keep the pictures' device pixel ratio, so the controls show them at their
  // own size in logical pixels.
  std::vector<std::pair<int, QImage>> copies;
  for (const auto& [control, picture] : controlsAndPictures)
    if (QImage* image = FindPicture(picture)) copies.emplace_back(control, image->copy());
  if (copies.empty()) return;
  const QString name = ToQt(accessibleName);
  // One posted call for all of them: the main thread wakes once, and does not wait on
  // the event queue's lock while the renderer posts the next one.
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [copies, name] {
        for (const auto& [control, copy] : copies) {
          auto* label = dynamic_cast<PictureLabel*>(As<QLabel>(control));
          if (!label) continue;
          label->ShowHandedPicture(copy);
          // A new name is an event on the accessibility bus: only when the text changes.
          if (!name.isEmpty() && label->accessibleName() != name) label->setAccessibleName(name);
        }
      },
      Qt::QueuedConnection);
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

void ClearListItems(int control) {
  if (auto* combo = As<QComboBox>(control)) {
    const QSignalBlocker block(combo);
    combo->clear();
  }
}

void AddListItem(int control, const std::string& text) {
  if (auto* combo = As<QComboBox>(control)) {
    const QSignalBlocker block(combo);
    combo->addItem(ToQt(text));
    // A Windows drop-down list starts without a selection; so does ours.
    if (combo->count() == 1) combo->setCurrentIndex(-1);
  }
}

int ListItemCount(int control) {
  auto* combo = As<QComboBox>(control);
  return combo ? combo->count() : 0;
}

std::string ListItemText(int control, int index) {
  auto* combo = As<QComboBox>(control);
  return combo && index >= 0 && index < combo->count() ? FromQt(combo->itemText(index)) : std::string();
}

void SelectListItem(int control, int index) {
  if (auto* combo = As<QComboBox>(control)) {
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
  }
}

int SelectedListItem(int control) {
  auto* combo = As<QComboBox>(control);
  return combo ? combo->currentIndex() : -1;
}

void SetOptionChecked(int control, bool checked) {
  if (auto* option = As<QRadioButton>(control)) {
    const QSignalBlocker block(option);
    option->setChecked(checked);
  }
}

bool IsOptionChecked(int control) {
  auto* option = As<QRadioButton>(control);
  return option && option->isChecked();
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

Date DateFieldDate(int control) {
  auto* edit = As<QDateEdit>(control);
  return edit ? FromQDate(edit->date()) : Date{};
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

void AddReportColumn(int control, const std::string& title, int width) {
  auto* table = As<QTableWidget>(control);
  if (!table) return;
  const int column = table->columnCount();
  table->setColumnCount(column + 1);
  table->setHorizontalHeaderItem(column, new QTableWidgetItem(ToQt(title)));
  table->horizontalHeaderItem(column)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  table->setColumnWidth(column, width);
}

void ClearReportRows(int control) {
  if (auto* table = As<QTableWidget>(control)) {
    const QSignalBlocker block(table);
    table->setRowCount(0);
  }
}

void AddReportRow(int control, const std::vector<std::string>& cells) {
  auto* table = As<QTableWidget>(control);
  if (!table) return;
  const QSignalBlocker block(table);
  const int row = table->rowCount();
  table->insertRow(row);
  for (int c = 0; c < table->columnCount() && c < static_cast<int>(cells.size()); ++c)
    table->setItem(row, c, new QTableWidgetItem(ToQt(cells[c])));
}

int ReportRowCount(int control) {
  auto* table = As<QTableWidget>(control);
  return table ? table->rowCount() : 0;
}

std::string ReportCell(int control, int row, int column) {
  auto* table = As<QTableWidget>(control);
  if (!table) return {};
  QTableWidgetItem* item = table->item(row, column);
  return item ? FromQt(item->text()) : std::string();
}

int SelectedReportRow(int control) {
  auto* table = As<QTableWidget>(control);
  if (!table) return -1;
  const auto rows = table->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void SelectReportRow(int control, int row) {
  auto* table = As<QTableWidget>(control);
  if (!table) return;
  const QSignalBlocker block(table);
  if (row < 0 || row >= table->rowCount()) {
    table->clearSelection();
    table->setCurrentItem(nullptr);
  } else {
    table->selectRow(row);
  }
}

}  // namespace platform
