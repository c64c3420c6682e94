#include "platform/dialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "platform/application.h"
#include "platform/font_set_up.h"
#include "platform/object_table.h"
#include "platform/x11_window_title.h"

namespace platform {
namespace {

MessageBoxResponder g_messageResponder;
FileDialogResponder g_fileResponder;
WebAddressResponder g_webResponder;

}  // namespace

void SetMessageBoxResponder(MessageBoxResponder responder) { g_messageResponder = std::move(responder); }
void SetFileDialogResponder(FileDialogResponder responder) { g_fileResponder = std::move(responder); }
void SetWebAddressResponder(WebAddressResponder responder) { g_webResponder = std::move(responder); }

MessageAnswer ShowMessageBox(const std::string& title, const std::string& text, MessageIcon icon,
                             MessageButtons buttons) {
  if (g_messageResponder) return g_messageResponder({title, text, icon, buttons});
  // While the program is being ended nothing may wait for the user.
  if (TerminationRequested())
    return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel
           : buttons == MessageButtons::YesNo     ? MessageAnswer::No
                                                  : MessageAnswer::Ok;
  FinishFontSetUp();
  QMessageBox box;
  box.setWindowTitle(ToQt(title));
  box.setText(ToQt(text));
  box.setIcon(icon == MessageIcon::Error      ? QMessageBox::Critical
              : icon == MessageIcon::Question ? QMessageBox::Question
                                              : QMessageBox::Information);
  switch (buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Ok: return MessageAnswer::Ok;
    default:
      return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel
             : buttons == MessageButtons::YesNo     ? MessageAnswer::No
                                                    : MessageAnswer::Ok;
  }
}

std::string ShowOpenFileDialog(const FileDialogRequest& request) {
  if (g_fileResponder) return g_fileResponder(request);
  if (TerminationRequested()) return {};
  // "label|pattern|..." becomes Qt's "label (patterns);;..." list.
  const QStringList parts = ToQt(request.filters).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    filters << parts[i] + " (" + patterns + ")";
  }
  QFileDialog dialog(nullptr, ToQt(request.title));
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(request.forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setNameFilters(filters);
  if (request.selectedFilter >= 0 && request.selectedFilter < filters.size())
    dialog.selectNameFilter(filters[request.selectedFilter]);
  if (!request.startFolder.empty()) dialog.setDirectory(ToQt(request.startFolder));
  if (!request.proposedName.empty()) dialog.selectFile(ToQt(request.proposedName));
  // Set last: without a caption the dialog puts in its own ("Öffnen") as its modes
  // are set, and keeps whatever title it is given afterwards, an empty one too.
  dialog.setWindowTitle(ToQt(request.title));
  ShowTitleAsGiven(&dialog);
  // The data files are opened by relative names: whatever the dialog does, the working
  // directory must be the same afterwards.
  const QString workingDirectory = QDir::currentPath();
  const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
  if (QDir::currentPath() != workingDirectory) QDir::setCurrent(workingDirectory);
  if (!accepted) return {};
  return FromQt(QFileInfo(dialog.selectedFiles().first()).absoluteFilePath());
}

void OpenWebAddress(const std::string& address) {
  if (g_webResponder) {
    g_webResponder(address);
    return;
  }
  QDesktopServices::openUrl(QUrl(ToQt(address)));
}

}  // namespace platform
