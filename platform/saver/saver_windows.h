#pragma once
// The saver's own Qt windows: the borderless full-screen window that ignores
// close requests, the picture control inside it, and the information notice.

#include <QImage>
#include <QMessageBox>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <memory>

namespace organsaver {

// Window 0 of the full-screen run.
class SaverWindow : public QWidget {
 public:
  explicit SaverWindow(std::function<void()> onCloseRequest);

 protected:
  void closeEvent(QCloseEvent* event) override;  // refused: only the end checks close it

 private:
  std::function<void()> onCloseRequest_;
};

// Shows one picture at (0, 0); the picture belongs to the run, the control
// only looks at it.
class PictureControl : public QWidget {
 public:
  explicit PictureControl(QWidget* parent);
  void SetPicture(const QImage* picture);
  // The face at `at` (device pixels) on the background; returns what must be
  // repainted: where the face was and where it is now.
  QRegion SetFace(const QImage& face, QPoint at, QRgb background);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage* picture_ = nullptr;
  QImage face_;  // shown instead of the picture while not null
  QPoint faceAt_;
  QRgb background_ = 0;
};

// The notice as a message box, built but not yet shown.
std::unique_ptr<QMessageBox> BuildInformationNotice(const QString& title, const QString& text,
                                                    QWidget* owner);

}  // namespace organsaver
