// What the windows look like to a user: whether their texts are shown whole at any
// desktop font, and the pixels a control shows.
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>

#include "platform/object_table.h"
#include "platform/testing/test_probes.h"

namespace platform {
namespace {

// Where a text stands: across its whole advance, down from the top of its ink to the
// bottom, in client coordinates; and whether the room it has holds it.
struct ShownText {
  int control;
  QString text;
  QRect rect;
  QRect room;
};

// A text drawn in `widget`'s font inside `room` (widget coordinates) with `alignment`.
ShownText Place(int control, const QWidget* widget, const QString& text, const QRect& room,
                Qt::Alignment alignment) {
  const QFontMetrics metrics(widget->font());
  const QRect line = QStyle::alignedRect(Qt::LeftToRight, alignment,
                                         QSize(metrics.horizontalAdvance(text), metrics.height()), room);
  const QRect ink = metrics.tightBoundingRect(text);
  const int baseline = line.top() + metrics.ascent();
  const QRect rect(line.left(), baseline + ink.top(), line.width(), ink.height());
  const QPoint offset = widget->mapTo(widget->window(), QPoint(0, 0));
  return {control, text, rect.translated(offset), room.translated(offset)};
}

QRect EditRoom(const QLineEdit* line) {
  // The field keeps two pixels beside the text and one above and below it.
  const QMargins margins = line->textMargins();
  return line->contentsRect().marginsRemoved(margins).adjusted(2, 1, -2, -1);
}

void CollectTexts(int control, QWidget* widget, std::vector<ShownText>& out) {
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (!label->text().isEmpty())
      out.push_back(Place(control, label, label->text(), label->contentsRect(), label->alignment()));
  } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
    if (box->title().isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect room =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    out.push_back(
        Place(control, box, box->title(), room.intersected(box->rect()), Qt::AlignLeft | Qt::AlignTop));
  } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    const QRect room = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    out.push_back(Place(control, option, option->text(), room, Qt::AlignLeft | Qt::AlignVCenter));
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    QStyleOptionComboBox style;
    style.initFrom(combo);
    style.subControls = QStyle::SC_All;
    const QRect room =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &style, QStyle::SC_ComboBoxEditField, combo);
    // The widest entry, whichever is chosen.
    QString widest;
    for (int i = 0; i < combo->count(); ++i)
      if (QFontMetrics(combo->font()).horizontalAdvance(combo->itemText(i)) >
          QFontMetrics(combo->font()).horizontalAdvance(widest))
        widest = combo->itemText(i);
    if (!widest.isEmpty())
      out.push_back(Place(control, combo, widest, room, Qt::AlignLeft | Qt::AlignVCenter));
  } else if (auto* date = qobject_cast<QDateEdit*>(widget)) {
    if (auto* line = date->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly))
      out.push_back(Place(control, line, line->text(), EditRoom(line), Qt::AlignLeft | Qt::AlignVCenter));
  } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    // An empty field must still hold a line of text.
    out.push_back(
        Place(control, line, QStringLiteral("Ag"), EditRoom(line), Qt::AlignLeft | Qt::AlignVCenter));
  }
}

std::string Describe(const ShownText& t) {
  return FromQt(QStringLiteral("%1 \"%2\" (%3,%4 %5x%6)")
                    .arg(t.control)
                    .arg(t.text)
                    .arg(t.rect.x())
                    .arg(t.rect.y())
                    .arg(t.rect.width())
                    .arg(t.rect.height()));
}

}  // namespace

std::vector<std::string> CutOrOverlappingTexts(int window) {
  std::vector<ShownText> texts;
  for (auto& [id, entry] : Controls())
    if (entry.window == window && entry.widget && entry.widget->isVisibleTo(entry.widget->window()))
      CollectTexts(id, entry.widget, texts);
  std::vector<std::string> found;
  for (size_t i = 0; i < texts.size(); ++i) {
    if (!texts[i].room.contains(texts[i].rect))
      found.push_back(
          "cut: " + Describe(texts[i]) +
          FromQt(QStringLiteral(" in %1x%2").arg(texts[i].room.width()).arg(texts[i].room.height())));
    for (size_t j = i + 1; j < texts.size(); ++j)
      if (texts[i].rect.intersects(texts[j].rect))
        found.push_back("overlapping: " + Describe(texts[i]) + " and " + Describe(texts[j]));
  }
  return found;
}

CalendarShape ShownCalendarShape(int control) {
  CalendarShape shape;
  auto* calendar = As<QCalendarWidget>(control);
  auto* view = calendar ? calendar->findChild<QTableView*>() : nullptr;
  if (!view || !view->model()) return shape;
  const QRect area = view->viewport()->rect();
  const QAbstractItemModel* model = view->model();
  // Row 0 holds the weekday captions, the others the weeks.
  for (int column = 0; column < model->columnCount(); ++column) {
    const QRect cell(view->columnViewportPosition(column), 0, view->columnWidth(column), 1);
    if (cell.left() < 0 || cell.right() > area.right()) continue;
    ++shape.wholeColumns;
    const QModelIndex index = model->index(0, column);
    const QVariant font = index.data(Qt::FontRole);
    const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : view->font());
    // The cell keeps three pixels on each side of its text.
    if (metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 6 <= view->columnWidth(column))
      ++shape.wholeCaptions;
  }
  for (int row = 1; row < model->rowCount(); ++row) {
    const int top = view->rowViewportPosition(row);
    if (top >= 0 && top + view->rowHeight(row) <= area.height()) ++shape.wholeWeeks;
  }
  return shape;
}

ShownPixels GrabControl(int control) {
  ShownPixels shown;
  ControlEntry* e = FindControl(control);
  if (!e) return shown;
  const QImage image = e->widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  shown.width = image.width();
  shown.height = image.height();
  shown.pixels.reserve(static_cast<size_t>(shown.width) * shown.height);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      shown.pixels.push_back({qRed(p), qGreen(p), qBlue(p)});
    }
  return shown;
}

}  // namespace platform
