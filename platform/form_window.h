#pragma once
// A small form window: labelled fields one under the other, a status line and a row of
// buttons, each a control under its number. Title, labels and the status line are
// Windows-1252 like every text of the program; what is typed into the fields, and the
// items of a choice, are UTF-8: they go to other machines (an address, a user name, a
// password) and may hold any character.
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

enum class FormFieldKind { Text, Password, Choice };

struct FormField {
  int control = -1;
  std::string name;   // the control's name, for screen readers and tests
  std::string label;  // "&" before the access key
  FormFieldKind kind = FormFieldKind::Text;
};

struct FormButton {
  int control = -1;
  std::string name;
  std::string label;
  std::function<void()> pressed;
  bool isDefault = false;  // pressed by Return
};

struct FormShape {
  std::string name;
  std::string title;
  std::vector<FormField> fields;
  int statusControl = -1;  // a label that wraps its text
  std::string statusName;
  std::vector<FormButton> buttons;
};

// Creates form window `window`, hidden; ShowWindow shows it. Closing it (by its close
// box or CloseFormWindow) destroys it. A window already under that number goes first.
bool CreateFormWindow(int window, const FormShape& shape);
// Closes the window once the current event is handled (a button may close its own window).
void CloseFormWindow(int window);

std::string FormFieldValue(int control);
void SetFormFieldValue(int control, const std::string& utf8);
// A choice's items: shown text and value.
void SetFormChoices(int control, const std::vector<std::pair<std::string, std::string>>& items);
int FormChoiceCount(int control);
// The value of the chosen item; empty without one.
std::string FormChoiceValue(int control);

}  // namespace platform
