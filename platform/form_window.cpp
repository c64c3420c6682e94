#include "platform/form_window.h"

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/controls.h"
#include "platform/object_table.h"
#include "platform/windows.h"

namespace platform {

namespace {

void Register(int window, int control, QWidget* widget, const std::string& name) {
  widget->setObjectName(QString::fromStdString(name));
  Controls()[control] = ControlEntry{widget, window, 0, -1};
}

QWidget* MakeField(const FormField& field) {
  if (field.kind == FormFieldKind::Choice) return new QComboBox;
  auto* edit = new QLineEdit;
  if (field.kind == FormFieldKind::Password) edit->setEchoMode(QLineEdit::Password);
  return edit;
}

}  // namespace

bool CreateFormWindow(int window, const FormShape& shape) {
  DestroyWindow(window);
  auto* dialog = new QDialog;
  dialog->setObjectName(QString::fromStdString(shape.name));
  dialog->setWindowTitle(ToQt(shape.title));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  OfferAsWindow(dialog);
  auto* form = new QFormLayout;
  for (const FormField& field : shape.fields) {
    QWidget* widget = MakeField(field);
    Register(window, field.control, widget, field.name);
    form->addRow(ToQt(field.label), widget);
  }
  auto* status = new QLabel;
  status->setWordWrap(true);
  Register(window, shape.statusControl, status, shape.statusName);
  auto* buttons = new QHBoxLayout;
  for (const FormButton& b : shape.buttons) {
    auto* button = new QPushButton(ToQt(b.label));
    Register(window, b.control, button, b.name);
    button->setAutoDefault(false);
    button->setDefault(b.isDefault);
    QObject::connect(button, &QPushButton::clicked, b.pressed);
    buttons->addWidget(button);
  }
  auto* layout = new QVBoxLayout(dialog);
  layout->addLayout(form);
  layout->addWidget(status);
  layout->addLayout(buttons);
  Windows()[window] = WindowEntry{dialog, dialog, nullptr, nullptr};
  return true;
}

void CloseFormWindow(int window) {
  if (WindowEntry* e = FindWindow(window)) e->window->close();
}

std::string FormFieldValue(int control) {
  if (auto* edit = As<QLineEdit>(control)) return edit->text().toStdString();
  return {};
}

void SetFormFieldValue(int control, const std::string& utf8) {
  if (auto* edit = As<QLineEdit>(control)) edit->setText(QString::fromStdString(utf8));
}

void SetFormChoices(int control, const std::vector<std::pair<std::string, std::string>>& items) {
  auto* choice = As<QComboBox>(control);
  if (!choice) return;
  choice->clear();
  for (const auto& [text, value] : items)
    choice->addItem(QString::fromStdString(text), QString::fromStdString(value));
}

int FormChoiceCount(int control) {
  auto* choice = As<QComboBox>(control);
  return choice ? choice->count() : 0;
}

std::string FormChoiceValue(int control) {
  auto* choice = As<QComboBox>(control);
  return choice ? choice->currentData().toString().toStdString() : std::string();
}

}  // namespace platform
