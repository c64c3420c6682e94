// Picture controls, and the hand-over of pictures to them from any thread.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QLabel>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/control_widgets.h"
#include "platform/controls.h"
#include "platform/object_table.h"
#include "platform/picture_label.h"

namespace platform {
namespace {

// Pictures a drawing thread has handed over and the main thread has not shown yet.
struct HandOver {
  std::vector<std::pair<int, QImage>> pictures;
  QString accessibleName;
};
std::mutex g_handOverMutex;
std::vector<HandOver> g_handOvers;

std::vector<HandOver> TakeHandOvers() {
  std::lock_guard<std::mutex> lock(g_handOverMutex);
  return std::exchange(g_handOvers, {});
}

void ShowHandOvers(const std::vector<HandOver>& ready) {
  for (const HandOver& handOver : ready)
    for (const auto& [control, image] : handOver.pictures) {
      auto* label = dynamic_cast<PictureLabel*>(As<QLabel>(control));
      if (!label) continue;
      label->ShowHandedPicture(image);
      // A new name is an event on the accessibility bus: only when the text changes.
      const QString& name = handOver.accessibleName;
      if (!name.isEmpty() && label->accessibleName() != name) label->setAccessibleName(name);
    }
}

// Whenever the main thread's event loop wakes, also inside a message box's own loop, it
// shows what has been handed over since. The drawing thread only wakes it: no event and
// no call object crosses the threads, the lock alone hands the pictures over.
QObject* g_receiver = nullptr;

void ReceiveHandOversOnMainThread() {
  if (g_receiver || !QCoreApplication::instance()) return;
  QAbstractEventDispatcher* dispatcher =
      QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread());
  if (!dispatcher) return;
  g_receiver = new QObject(QCoreApplication::instance());
  QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, g_receiver,
                   [] { ShowHandOvers(TakeHandOvers()); });
  // What was handed over to the controls of a program that ends is never shown.
  QObject::connect(g_receiver, &QObject::destroyed, [] {
    g_receiver = nullptr;
    TakeHandOvers();
  });
}

}  // namespace

QWidget* MakePictureControl(QWidget* parent) {
  ReceiveHandOversOnMainThread();
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
  {
    std::lock_guard<std::mutex> lock(g_handOverMutex);
    g_handOvers.push_back({std::move(handed), ToQt(accessibleName)});
  }
  // Safe from any thread; the main thread's loop wakes once for all these pictures.
  if (QAbstractEventDispatcher* dispatcher =
          QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread()))
    dispatcher->wakeUp();
}

}  // namespace platform
