#include "platform/picture_label.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

// The smallest rectangle, in the picture's own pixels, holding every pixel in which
// `a` and `b` differ; empty when they are the same.
QRect ChangedPixels(const QImage& a, const QImage& b) {
  const int width = a.width(), height = a.height();
  const size_t rowBytes = static_cast<size_t>(width) * sizeof(QRgb);
  int top = height, bottom = -1, left = width, right = -1;
  for (int y = 0; y < height; ++y) {
    const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    // Most rows of a clock that moved on by one second are the same.
    if (std::memcmp(rowA, rowB, rowBytes) == 0) continue;
    top = std::min(top, y);
    bottom = y;
    for (int x = 0; x < width; ++x) {
      if (rowA[x] == rowB[x]) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

bool Comparable(const QImage& a, const QImage& b) {
  return !a.isNull() && a.size() == b.size() && a.format() == b.format() &&
         a.devicePixelRatio() == b.devicePixelRatio() && a.depth() == 32;
}

}  // namespace

QRect PictureLabel::PictureArea(const QImage& picture) const {
  const QSize logical = (QSizeF(picture.size()) / picture.devicePixelRatio()).toSize();
  return QStyle::alignedRect(layoutDirection(), alignment(), logical, contentsRect());
}

void PictureLabel::ShowHandedPicture(const QImage& picture) {
  const QImage before = handed_;
  handed_ = picture;
  if (!pixmap().isNull()) setPixmap(QPixmap());  // the handed picture takes its place
  if (!Comparable(before, picture)) {
    update();
    return;
  }
  const QRect changed = ChangedPixels(before, picture);
  if (changed.isEmpty()) return;
  // From device pixels to the label's logical pixels, rounded outwards.
  const qreal ratio = picture.devicePixelRatio();
  const QRect area = PictureArea(picture);
  const QRect logical =
      QRectF(QPointF(changed.topLeft()) / ratio, QSizeF(changed.size()) / ratio).toAlignedRect();
  update(logical.translated(area.topLeft()));
}

void PictureLabel::paintEvent(QPaintEvent* event) {
  if (handed_.isNull()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.drawImage(PictureArea(handed_), handed_);
}

QImage ShownPicture(const QLabel* label) {
  if (!label) return {};
  if (const auto* picture = dynamic_cast<const PictureLabel*>(label);
      picture && !picture->HandedPicture().isNull())
    return picture->HandedPicture();
  return label->pixmap().toImage();
}

}  // namespace platform
