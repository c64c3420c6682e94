// Drop-down lists.
#include <QComboBox>
#include <QSignalBlocker>

#include "platform/control_widgets.h"
#include "platform/controls.h"
#include "platform/narrow_list_style.h"
#include "platform/object_table.h"

namespace platform {

QWidget* MakeDropDownList(QWidget* parent, const ReportInput& report) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(false);
  combo->setMaxVisibleItems(10);
  UseNarrowListStyle(combo);
  QObject::connect(combo, &QComboBox::activated, report);
  return combo;
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

}  // namespace platform
