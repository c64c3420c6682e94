#include "platform/windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/font_set_up.h"
#include "platform/object_table.h"
#include "platform/program_identity.h"

namespace platform {
namespace {

// A top-level window that reports its close box and moves instead of acting on them.
class ProgramWindow : public QWidget {
 public:
  explicit ProgramWindow(int id) : id_(id) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    PostEvent({EventKind::Close, id_, -1});
  }
  void moveEvent(QMoveEvent* event) override {
    QWidget::moveEvent(event);
    if (isVisible()) PostEvent({EventKind::Moved, id_, -1});
  }

 private:
  int id_;
};

// The program's control font, set on the window itself so that the desktop's font
// size, now or when it changes later, does not reach the fixed layout.
void UseControlFont(QWidget* window) {
  const ControlFont& font = CurrentProgramIdentity().controlFont;
  if (font.pixelSize <= 0) return;
  QFont f(ToQt(font.face));
  f.setPixelSize(font.pixelSize);
  window->setFont(f);
}

}  // namespace

std::map<int, WindowEntry>& Windows() {
  static std::map<int, WindowEntry> windows;
  return windows;
}

WindowEntry* FindWindow(int window) { return FindLiveEntry(Windows(), window, &WindowEntry::window); }

bool CreateTopWindow(int window, const WindowShape& shape) {
  FinishFontSetUp();
  DestroyWindow(window);
  auto* w = new ProgramWindow(window);
  Qt::WindowFlags flags =
      Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (shape.minimiseBox) flags |= Qt::WindowMinimizeButtonHint;
  if (shape.maximiseBox) flags |= Qt::WindowMaximizeButtonHint;
  w->setWindowFlags(flags);
  w->setWindowTitle(ToQt(shape.title));
  OfferAsWindow(w);
  UseControlFont(w);
  auto* layout = new QVBoxLayout(w);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* client = new QWidget(w);
  layout->addWidget(client, 1);
  if (shape.resizable) {
    w->resize(shape.clientWidth, shape.clientHeight);
  } else {
    w->setFixedSize(shape.clientWidth, shape.clientHeight);
  }
  if (shape.centred) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      w->move(area.center() - QPoint(shape.clientWidth / 2, shape.clientHeight / 2));
    }
  } else {
    w->move(shape.x, shape.y);
  }
  Windows()[window] = WindowEntry{w, client, nullptr, nullptr};
  return true;
}

void DestroyWindow(int window) {
  auto it = Windows().find(window);
  if (it == Windows().end()) return;
  QWidget* w = it->second.window;
  Windows().erase(it);
  for (auto c = Controls().begin(); c != Controls().end();) {
    if (c->second.window == window) c = Controls().erase(c);
    else ++c;
  }
  if (w) {
    w->hide();
    delete w;
  }
}

bool WindowExists(int window) { return FindWindow(window) != nullptr; }

void ShowWindow(int window) {
  WindowEntry* e = FindWindow(window);
  if (!e) return;
  if (e->window->isMinimized()) e->window->showMinimized();
  else e->window->show();
  e->window->activateWindow();
}

void ShowWindowMinimised(int window) {
  WindowEntry* e = FindWindow(window);
  if (e && !(e->window->isVisible() && e->window->isMinimized())) e->window->showMinimized();
}

void HideWindow(int window) {
  if (WindowEntry* e = FindWindow(window)) e->window->hide();
}

void SetWindowTitle(int window, const std::string& title) {
  if (WindowEntry* e = FindWindow(window)) e->window->setWindowTitle(ToQt(title));
}

void SetWindowIcon(int window, int picture) {
  if (WindowEntry* e = FindWindow(window)) e->window->setWindowIcon(PictureIcon(picture));
}

void SetWindowOnTop(int window, bool onTop) {
  WindowEntry* e = FindWindow(window);
  if (!e) return;
  if (e->window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
  const bool visible = e->window->isVisible();
  // Changing the flags re-creates the native window, which hides it.
  e->window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (visible) e->window->show();
}

void BringWindowToFront(int window) {
  WindowEntry* e = FindWindow(window);
  if (!e) return;
  e->window->raise();
  e->window->activateWindow();
}

bool WindowOuterPosition(int window, int& x, int& y) {
  WindowEntry* e = FindWindow(window);
  if (!e) return false;
  const QPoint p = e->window->pos();  // frame position of a top-level window
  x = p.x();
  y = p.y();
  return true;
}

void MoveWindowOuter(int window, int x, int y) {
  if (WindowEntry* e = FindWindow(window)) e->window->move(x, y);
}

bool IsPositionOnScreen(int x, int y, int width, int height) {
  const QRect rect(x, y, width, height);
  for (QScreen* screen : QGuiApplication::screens()) {
    // At least the title bar must be reachable.
    const QRect visible = rect.intersected(screen->availableGeometry());
    if (visible.width() >= 40 && visible.height() >= 20) return true;
  }
  return QGuiApplication::screens().isEmpty();
}

void PrimaryScreenOrigin(int& x, int& y) {
  x = y = 0;
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    x = screen->availableGeometry().x();
    y = screen->availableGeometry().y();
  }
}

}  // namespace platform
