// The report list: columns, grid lines, whole-row selection.
#include <QAbstractItemView>
#include <QHeaderView>
#include <QPalette>
#include <QSignalBlocker>
#include <QTableWidget>

#include "platform/control_widgets.h"
#include "platform/controls.h"
#include "platform/object_table.h"

namespace platform {

QWidget* MakeReportList(QWidget* parent, const ReportInput& report) {
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
