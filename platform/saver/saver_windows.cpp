#include "platform/saver/saver_windows.h"

#include <QCloseEvent>
#include <QPainter>

namespace organsaver {

SaverWindow::SaverWindow(std::function<void()> onCloseRequest)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), onCloseRequest_(std::move(onCloseRequest)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setCursor(Qt::BlankCursor);
}

void SaverWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (onCloseRequest_) onCloseRequest_();
}

PictureControl::PictureControl(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::StrongFocus);
}

void PictureControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_ && !picture_->isNull()) {
    // The picture has the display's device pixels; the widget's rectangle is
    // in logical pixels, so this is one to one on the screen.
    painter.drawImage(rect(), *picture_);
  } else {
    painter.fillRect(rect(), Qt::black);
  }
}

std::unique_ptr<QMessageBox> BuildInformationNotice(const QString& title, const QString& text,
                                                    QWidget* owner) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Information, title, text, QMessageBox::Ok, owner);
  return box;
}

}  // namespace organsaver
