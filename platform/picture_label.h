#pragma once
// The label that shows a picture control. A picture handed over anew, as a drawing
// thread does many times a minute, is repainted only where it differs from the one
// shown: a clock's new second changes a few digits, and sending the whole picture to the
// display server every time fills the connection's send buffer, so that the next
// request has to wait for the server.
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace platform {

class PictureLabel : public QLabel {
 public:
  explicit PictureLabel(QWidget* parent) : QLabel(parent) {}

  // Shows `picture` (at its own device pixel ratio) in place of what is shown, repainting
  // only the part that changed.
  void ShowHandedPicture(const QImage& picture);
  // Drops the handed picture, e.g. when a fixed picture is set with setPixmap.
  void ForgetHandedPicture() { handed_ = QImage(); }
  const QImage& HandedPicture() const { return handed_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect PictureArea(const QImage& picture) const;

  QImage handed_;
};

// What a picture control shows: the handed picture, else the label's own pixmap.
QImage ShownPicture(const QLabel* label);

}  // namespace platform
