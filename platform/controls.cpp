// The table of controls, their making, the properties every kind shares, option buttons.
#include "platform/controls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>

#include "platform/control_widgets.h"
#include "platform/label_fit.h"
#include "platform/object_table.h"

namespace platform {
namespace {

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
    case ControlKind::Frame: return new QGroupBox(text, parent);
    case ControlKind::Picture: return MakePictureControl(parent);
    case ControlKind::RichText: {
      auto* edit = new QTextEdit(parent);
      edit->setAcceptRichText(false);
      edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
      edit->setPlainText(text);
      edit->setAutoFillBackground(true);
      return edit;
    }
    case ControlKind::MonthCalendar: return MakeMonthCalendar(parent, report);
    case ControlKind::DateField: return MakeDateField(parent, report);
    case ControlKind::DropDownList: return MakeDropDownList(parent, report);
    case ControlKind::ReportList: return MakeReportList(parent, report);
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
      // Any change the program does not make itself is the user's, typed or entered
      // through the accessibility interface (dictation, a screen reader).
      QObject::connect(edit, &QLineEdit::textChanged, report);
      return edit;
    }
  }
  return nullptr;
}

}  // namespace

std::map<int, ControlEntry>& Controls() {
  static std::map<int, ControlEntry> controls;
  return controls;
}

ControlEntry* FindControl(int control) { return FindLiveEntry(Controls(), control, &ControlEntry::widget); }

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
  if (auto* label = qobject_cast<QLabel*>(widget)) FitLabelText(label);
  NameControlParts(widget);
  widget->show();
  ControlEntry e;
  e.widget = widget;
  e.window = window;
  e.kind = static_cast<int>(kind);
  Controls()[control] = e;
  return true;
}

void SetControlFont(int control, int font) {
  ControlEntry* e = FindControl(control);
  const QFont* f = FindFont(font);
  if (!e || !f) return;
  if (auto* label = qobject_cast<QLabel*>(e->widget.data())) {
    SetLabelFont(label, f);
    return;
  }
  e->widget->setFont(*f);
  // A group frame's font must not pass on to the controls inside it: they keep the
  // window's.
  const QFont windowFont = e->widget->window()->font();
  for (QWidget* child : e->widget->findChildren<QWidget*>()) child->setFont(windowFont);
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
    const QDate d = QDate::fromString(t, DateFieldMask());
    if (d.isValid()) date->setDate(d);
  }
  if (auto* label = qobject_cast<QLabel*>(w)) FitLabelText(label);
}

std::string ControlText(int control) {
  ControlEntry* e = FindControl(control);
  if (!e) return {};
  QWidget* w = e->widget;
  if (auto* label = qobject_cast<QLabel*>(w)) return FromQt(label->text());
  if (auto* box = qobject_cast<QGroupBox*>(w)) return FromQt(box->title());
  if (auto* edit = qobject_cast<QTextEdit*>(w)) {
    // toPlainText would turn a no-break space (byte A0) into a blank, so the raw text is
    // taken and only its block and line separators become line breaks.
    QString text = edit->document()->toRawText();
    for (QChar& c : text) {
      const char16_t u = c.unicode();
      if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0 || u == 0xFDD1)
        c = u'\n';
    }
    return FromQt(text);
  }
  if (auto* line = qobject_cast<QLineEdit*>(w)) return FromQt(line->text());
  if (auto* option = qobject_cast<QRadioButton*>(w)) return FromQt(option->text());
  if (auto* date = qobject_cast<QDateEdit*>(w)) return FromQt(date->date().toString(DateFieldMask()));
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

void SetControlColours(int control, Rgb background, Rgb text) {
  ControlEntry* e = FindControl(control);
  if (!e) return;
  // A text field paints its text in its own palette's colour and its background in its
  // viewport's, which inherits the field's palette.
  QPalette p = e->widget->palette();
  p.setColor(QPalette::Base, QColor(background.r, background.g, background.b));
  p.setColor(QPalette::Text, QColor(text.r, text.g, text.b));
  e->widget->setPalette(p);
  QWidget* target = e->widget;
  if (auto* edit = qobject_cast<QTextEdit*>(target)) target = edit->viewport();
  target->setAutoFillBackground(true);
}

void EnableControl(int control, bool enabled) {
  if (ControlEntry* e = FindControl(control)) e->widget->setEnabled(enabled);
}

void SetControlReadOnly(int control, bool readOnly) {
  if (auto* edit = As<QTextEdit>(control)) {
    edit->setReadOnly(readOnly);
    if (readOnly) edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
}

void FocusControl(int control) {
  if (ControlEntry* e = FindControl(control)) e->widget->setFocus(Qt::OtherFocusReason);
}

void SetControlTooltip(int control, const std::string& text) {
  if (ControlEntry* e = FindControl(control)) e->widget->setToolTip(ToQt(text));
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

}  // namespace platform
