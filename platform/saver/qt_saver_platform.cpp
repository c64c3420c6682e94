#include "platform/saver/qt_saver_platform.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cmath>

#include "platform/saver/termination_signal.h"

namespace organsaver {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QScreen* PrimaryScreen() { return QGuiApplication::primaryScreen(); }

constexpr auto kExposeWait = std::chrono::milliseconds(500);

// Milliseconds of the steady clock, for the key repeat filter.
uint64_t SteadyMs() {
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now().time_since_epoch())
                                   .count());
}

}  // namespace

// Turns the Qt input events of the saver's windows into the saver's messages.
// They are consumed here: no widget of the saver handles input itself.
class QtSaverPlatform::MessageRecorder : public QObject {
 public:
  explicit MessageRecorder(QtSaverPlatform& owner) : owner_(owner) {}

  bool eventFilter(QObject* target, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(target);
    if (!widget || !owner_.IsOurWindow(widget->window())) return false;
    switch (event->type()) {
      case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto press = owner_.keyRepeat_.Press(key->nativeScanCode(), key->timestamp());
        if (press.realReleaseBefore) owner_.Record(SaverMessage::KeyRelease);
        if (press.newPress) owner_.Record(SaverMessage::KeyPress);
        return true;
      }
      case QEvent::KeyRelease: {
        // X11 sends a release with every auto-repeated press of a held key. Qt does
        // not always see that, so the release waits for the press that may follow.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat()) return true;
        if (owner_.keyRepeat_.Release(key->nativeScanCode(), key->timestamp(), SteadyMs()))
          owner_.Record(SaverMessage::KeyRelease);
        if (owner_.waitingForMessage_) owner_.waitingForMessage_->quit();  // decide soon
        return true;
      }
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        if (owner_.keyRepeat_.OtherEvent()) owner_.Record(SaverMessage::KeyRelease);
        owner_.Record(SaverMessage::MouseButton);
        return true;
      default: return false;
    }
  }

 private:
  QtSaverPlatform& owner_;
};

QtSaverPlatform::QtSaverPlatform(NoticePresenter presenter)
    : presenter_(std::move(presenter)), recorder_(std::make_unique<MessageRecorder>(*this)) {
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(recorder_.get());
}

QtSaverPlatform::~QtSaverPlatform() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(recorder_.get());
  for (auto& [id, slot] : controls_) delete slot.widget.data();
  controls_.clear();
  windows_.clear();
  if (blankCursorSet_) QGuiApplication::restoreOverrideCursor();
}

void QtSaverPlatform::ShowCursor(bool show) {
  cursorCount_ += show ? 1 : -1;
  const bool hide = cursorCount_ < 0;
  if (hide && !blankCursorSet_) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    blankCursorSet_ = true;
  } else if (!hide && blankCursorSet_) {
    QGuiApplication::restoreOverrideCursor();
    blankCursorSet_ = false;
  }
}

ScreenPoint QtSaverPlatform::CursorPosition() {
  const QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}

PixelSize QtSaverPlatform::PrimaryDisplaySize() {
  QScreen* screen = PrimaryScreen();
  if (!screen) return {};
  const QSize device = screen->size() * screen->devicePixelRatio();
  return {device.width(), device.height()};
}

double QtSaverPlatform::PrimaryDisplayRefreshRate() {
  QScreen* screen = PrimaryScreen();
  return screen ? screen->refreshRate() : 0.0;
}

int QtSaverPlatform::LogicalDotsPerInch() {
  QScreen* screen = PrimaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInchY() : 0.0;
  return dpi >= 1.0 ? static_cast<int>(std::lround(dpi)) : 96;
}

uint32_t QtSaverPlatform::MillisecondTicks() {
  const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

SaverPlatform::Clock::time_point QtSaverPlatform::Now() { return Clock::now(); }

bool QtSaverPlatform::OpenSaverWindow(int windowId, PixelSize size, std::string_view title) {
  windows_.erase(windowId);  // a number that holds a window gets a new one
  QScreen* screen = PrimaryScreen();
  if (!screen || size.width <= 0 || size.height <= 0) return false;

  auto window = std::make_unique<SaverWindow>([this] { Record(SaverMessage::CloseRequest); });
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    // Like a topmost window on Windows: above panels and docks, no decoration.
    window->setWindowFlag(Qt::X11BypassWindowManagerHint, true);
  }
  window->setWindowTitle(FromUtf8(title));
  const qreal ratio = screen->devicePixelRatio();
  window->setGeometry(
      QRect(screen->geometry().topLeft(), QSize(qRound(size.width / ratio), qRound(size.height / ratio))));
  window->show();
  if (!window->windowHandle()) return false;
  windows_[windowId] = std::move(window);
  return true;
}

void QtSaverPlatform::MakeWindowTopmost(int windowId) {
  const auto it = windows_.find(windowId);
  if (it == windows_.end()) return;
  SaverWindow* window = it->second.get();
  if (QWindow* handle = window->windowHandle())
    handle->setFlags(handle->flags() | Qt::WindowStaysOnTopHint);
  keyboardWindow_ = windowId;
  keyboardGrabbed_ = false;
  window->raise();
  window->activateWindow();
  // Key releases must reach us even without a window manager giving focus. X
  // refuses a grab on a window not yet on screen, so wait briefly for that.
  const auto until = Clock::now() + kExposeWait;
  while (window->windowHandle() && !window->windowHandle()->isExposed() && Clock::now() < until)
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
  GrabKeyboard();
}

void QtSaverPlatform::GrabKeyboard() {
  if (!keyboardWindow_ || keyboardGrabbed_) return;
  const auto it = windows_.find(*keyboardWindow_);
  if (it == windows_.end()) return;
  QWindow* handle = it->second->windowHandle();
  keyboardGrabbed_ = handle && handle->setKeyboardGrabEnabled(true);
}

void QtSaverPlatform::CloseSaverWindow(int windowId) {
  const auto it = windows_.find(windowId);
  if (it == windows_.end()) return;
  if (QWindow* handle = it->second->windowHandle()) handle->setKeyboardGrabEnabled(false);
  if (keyboardWindow_ == windowId) {
    keyboardWindow_.reset();
    keyboardGrabbed_ = false;
  }
  windows_.erase(it);  // deletes its picture controls with it
}

QWidget* QtSaverPlatform::SaverWindowWidget(int windowId) const {
  const auto it = windows_.find(windowId);
  return it == windows_.end() ? nullptr : it->second.get();
}

bool QtSaverPlatform::IsOurWindow(const QWidget* window) const {
  for (const auto& [id, own] : windows_)
    if (own.get() == window) return true;
  return false;
}

std::optional<PixelSize> QtSaverPlatform::HostClientSize(HostWindow host) {
  if (host.kind == HostWindow::Kind::SaverWindow) {
    const QWidget* window = SaverWindowWidget(static_cast<int>(host.id));
    if (!window) return std::nullopt;
    const QSize device = window->size() * window->devicePixelRatio();
    return PixelSize{device.width(), device.height()};
  }
  return foreignHost_.ClientSize(host);
}

bool QtSaverPlatform::CreatePictureControl(int controlId, HostWindow host, PixelSize size) {
  DestroyPictureControl(controlId);
  if (host.kind != HostWindow::Kind::SaverWindow) {
    if (!foreignHost_.CreateChild(host, size)) return false;
    controls_[controlId] = PictureControlSlot{nullptr, true};
    return true;
  }
  QWidget* parent = SaverWindowWidget(static_cast<int>(host.id));
  if (!parent) return false;
  auto* control = new PictureControl(parent);
  const qreal ratio = parent->devicePixelRatio();
  control->setGeometry(0, 0, qRound(size.width / ratio), qRound(size.height / ratio));
  control->show();
  control->setFocus();
  // Input still comes through Qt's window: the child takes no events of its own.
  const bool onX = QGuiApplication::platformName() == QLatin1String("xcb");
  if (onX && !screenWindow_.CreateChild(
                 {HostWindow::Kind::ForeignHandle, static_cast<int64_t>(parent->winId())}, size)) {
    delete control;  // our window is gone already
    return false;
  }
  controls_[controlId] = PictureControlSlot{control, false, onX};
  return true;
}

bool QtSaverPlatform::PictureControlExists(int controlId) {
  const auto it = controls_.find(controlId);
  if (it == controls_.end()) return false;
  if (it->second.foreign) return foreignHost_.ChildExists();
  // Another program may destroy our window, and the child in it with it.
  return !it->second.widget.isNull() && (!it->second.drawnByX || screenWindow_.ChildExists());
}

void QtSaverPlatform::ShowPicture(int controlId, const QImage& picture) {
  const auto it = controls_.find(controlId);
  if (it == controls_.end()) return;
  if (it->second.foreign) {
    foreignHost_.Show(picture);
  } else if (it->second.drawnByX) {
    screenWindow_.Show(picture);
  } else if (PictureControl* control = it->second.widget) {
    control->SetPicture(&picture);
    control->repaint();
  }
}

void QtSaverPlatform::ShowFace(int controlId, const QImage& face, ScreenPoint at, QRgb background) {
  const auto it = controls_.find(controlId);
  if (it == controls_.end()) return;
  if (it->second.foreign) {
    foreignHost_.ShowFace(face, at, background);
  } else if (it->second.drawnByX) {
    screenWindow_.ShowFace(face, at, background);
  } else if (PictureControl* control = it->second.widget) {
    control->repaint(control->SetFace(face, QPoint(at.x, at.y), background));
  }
}

void QtSaverPlatform::DestroyPictureControl(int controlId) {
  const auto it = controls_.find(controlId);
  if (it == controls_.end()) return;
  if (it->second.foreign) foreignHost_.DestroyChild();
  if (it->second.drawnByX) screenWindow_.DestroyChild();
  delete it->second.widget.data();
  controls_.erase(it);
}

int QtSaverPlatform::SetScreenSaverRunning(bool running) {
  const int previous = screenSaverRunning_;
  screenSaverRunning_ = running ? 1 : 0;
  return previous;
}

void QtSaverPlatform::Record(SaverMessage message) {
  messages_.push_back(message);
  if (waitingForMessage_) waitingForMessage_->quit();
}

void QtSaverPlatform::ProcessEventsAtHand() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  EndEventPass();
}

void QtSaverPlatform::EndEventPass() {
  if (keyRepeat_.EndOfPass(SteadyMs())) Record(SaverMessage::KeyRelease);
}

void QtSaverPlatform::PumpEvents(Clock::time_point until, bool stopOnMessage) {
  ProcessEventsAtHand();
  while (!(stopOnMessage && !messages_.empty()) && !TerminationRequested()) {
    const auto now = Clock::now();
    // While a release waits for the press of a repeat, look again shortly, past `until`
    // if need be: the release may end the run.
    const bool releaseWaiting = keyRepeat_.ReleaseWaiting();
    if (!releaseWaiting && now >= until) break;
    const auto wakeAt = releaseWaiting ? now + std::chrono::milliseconds(2) : until;
    QEventLoop loop;
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake, &QTimer::timeout, &loop, &QEventLoop::quit);
    wake.start(std::chrono::ceil<std::chrono::milliseconds>(wakeAt - now));
    waitingForMessage_ = stopOnMessage ? &loop : nullptr;
    loop.exec();
    waitingForMessage_ = nullptr;
    EndEventPass();
  }
}

std::optional<SaverMessage> QtSaverPlatform::TakeMessage(std::chrono::milliseconds timeout) {
  if (!keyboardGrabbed_ && QGuiApplication::platformName() == QLatin1String("xcb")) GrabKeyboard();
  if (messages_.empty()) PumpEvents(Clock::now() + timeout, true);
  if (messages_.empty()) return std::nullopt;
  const SaverMessage message = messages_.front();
  messages_.pop_front();
  return message;
}

void QtSaverPlatform::IdleUntil(Clock::time_point until) { PumpEvents(until, false); }

void QtSaverPlatform::CatchTerminationSignals() { CatchTerminationSignalsOnce(); }

bool QtSaverPlatform::TerminationRequested() { return TerminationSignalReceived(); }

void QtSaverPlatform::ShowInformationNotice(std::string_view title, std::string_view text) {
  // The owner is the foreground window only if it is one of ours; in practice none.
  QWidget* owner = QApplication::activeWindow();
  if (presenter_) {
    presenter_(FromUtf8(title), FromUtf8(text), owner);
    return;
  }
  BuildInformationNotice(FromUtf8(title), FromUtf8(text), owner)->exec();
}

// No Windows password libraries or registry on Linux.
PlatformVersion QtSaverPlatform::Version() { return {PlatformVersion::Family::Other, 0}; }
bool QtSaverPlatform::LoadSystemLibrary(std::string_view) { return false; }
bool QtSaverPlatform::LibraryHasRoutine(std::string_view, std::string_view) { return false; }
void QtSaverPlatform::FreeSystemLibrary(std::string_view) {}
void QtSaverPlatform::CallPwdChangePassword(std::string_view, int64_t, int, int) {}
bool QtSaverPlatform::CallVerifyScreenSavePwd(int) { return true; }
bool QtSaverPlatform::OpenDesktopRegistryKey(uint32_t) { return false; }
void QtSaverPlatform::CloseDesktopRegistryKey() {}

}  // namespace organsaver
