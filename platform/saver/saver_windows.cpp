#include "platform/saver/saver_windows.h"

#include <QCloseEvent>
#include <QPaintEvent>
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

void PictureControl::SetPicture(const QImage* picture) {
  picture_ = picture;
  face_ = QImage();
}

QRegion PictureControl::SetFace(const QImage& face, QPoint at, QRgb background) {
  const qreal ratio = devicePixelRatio();
  const auto logical = [ratio](QPoint p, QSize s) {
    return QRect(QPointF(p.x() / ratio, p.y() / ratio).toPoint(), (QSizeF(s) / ratio).toSize())
        .adjusted(-1, -1, 1, 1);
  };
  QRegion changed = face_.isNull() || background != background_ ? QRegion(rect())
                                                                : QRegion(logical(faceAt_, face_.size()));
  face_ = face;
  face_.setDevicePixelRatio(ratio);
  faceAt_ = at;
  background_ = background;
  return changed | logical(at, face.size());
}

void PictureControl::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (!face_.isNull()) {
    for (const QRect& part : event->region()) painter.fillRect(part, QColor::fromRgb(background_));
    const qreal ratio = devicePixelRatio();
    painter.drawImage(QPointF(faceAt_.x() / ratio, faceAt_.y() / ratio), face_);
  } else if (picture_ && !picture_->isNull()) {
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
