#pragma once
// Modal message boxes, the file-open dialog and web pages. Each has a responder that
// tests install to record and answer instead of showing anything.
#include <functional>
#include <string>

namespace platform {

enum class MessageIcon { Error, Question, Information };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct MessageBoxRecord {
  std::string title;  // Windows-1252
  std::string text;   // Windows-1252
  MessageIcon icon = MessageIcon::Error;
  MessageButtons buttons = MessageButtons::Ok;
};

// Shows a modal message box and returns the button pressed; closing a box with a
// Cancel button answers Cancel, closing one without it answers its last button.
MessageAnswer ShowMessageBox(const std::string& title, const std::string& text, MessageIcon icon,
                             MessageButtons buttons = MessageButtons::Ok);
using MessageBoxResponder = std::function<MessageAnswer(const MessageBoxRecord&)>;
void SetMessageBoxResponder(MessageBoxResponder responder);  // empty: real boxes

struct FileDialogRequest {
  std::string title;
  std::string filters;       // "label|pattern|label|pattern..."
  int selectedFilter = 0;    // index of the preselected pair
  std::string startFolder;   // may be empty
  std::string proposedName;  // may be empty
  bool forSaving = false;    // asks for a file to write; an existing one is confirmed
};
// Shows the file-open (or, forSaving, the file-save) dialog; the chosen full path, or empty on cancel. The
// working directory is not changed.
std::string ShowOpenFileDialog(const FileDialogRequest& request);
using FileDialogResponder = std::function<std::string(const FileDialogRequest&)>;
void SetFileDialogResponder(FileDialogResponder responder);

// Hands a web address to the desktop's default handler; failures are ignored.
void OpenWebAddress(const std::string& address);
using WebAddressResponder = std::function<void(const std::string&)>;
void SetWebAddressResponder(WebAddressResponder responder);

}  // namespace platform
