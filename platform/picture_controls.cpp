// Picture controls, and the hand-over of pictures to them from any thread.
#include <QCoreApplication>
#include <QLabel>

#include "platform/control_widgets.h"
#include "platform/controls.h"
#include "platform/object_table.h"
#include "platform/picture_label.h"

namespace platform {

QWidget* MakePictureControl(QWidget* parent) {
  auto* label = new PictureLabel(parent);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

void SetControlPicture(int control, int picture) {
  auto* label = As<QLabel>(control);
  if (!label) return;
  QImage* image = FindPicture(picture);
  if (auto* shown = dynamic_cast<PictureLabel*>(label)) shown->ForgetHandedPicture();
  label->setPixmap(image ? PictureForScreen(picture, label->devicePixelRatioF()) : QPixmap());
  FindControl(control)->picture = image ? picture : -1;
}

void HandPictureToControl(int control, int picture, const std::string& accessibleName) {
  HandPicturesToControls({{control, picture}}, accessibleName);
}

void HandPicturesToControls(const std::vector<std::pair<int, int>>& controlsAndPictures,
                            const std::string& accessibleName) {
  if (!QCoreApplication::instance()) return;
  // The pictures keep their device pixel ratio, so the controls show them at their own
  // size in logical pixels. Handed over without a copy: the drawer goes on in a second
  // buffer.
  std::vector<std::pair<int, QImage>> handed;
  for (const auto& [control, picture] : controlsAndPictures)
    if (QImage image = TakePictureForHandOver(picture); !image.isNull())
      handed.emplace_back(control, image);
  if (handed.empty()) return;
  const QString name = ToQt(accessibleName);
  // One posted call for all of them: the main thread wakes once, and does not wait on
  // the event queue's lock while the drawing thread posts the next one.
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [handed, name] {
        for (const auto& [control, image] : handed) {
          auto* label = dynamic_cast<PictureLabel*>(As<QLabel>(control));
          if (!label) continue;
          label->ShowHandedPicture(image);
          // A new name is an event on the accessibility bus: only when the text changes.
          if (!name.isEmpty() && label->accessibleName() != name) label->setAccessibleName(name);
        }
      },
      Qt::QueuedConnection);
}

}  // namespace platform
