#pragma once
// The saver's platform on Linux: Qt for its own windows, the pointer and the
// event waits, Xlib for foreign host windows. There is no password library,
// registry or screen-saver-running flag here; those answer as a system without them.

#include <QPointer>
#include <QString>
#include <deque>
#include <functional>
#include <map>
#include <memory>

#include "platform/saver/key_repeat_filter.h"
#include "platform/saver/saver_platform.h"
#include "platform/saver/saver_windows.h"
#include "platform/saver/x11_host_window.h"

class QEventLoop;

namespace organsaver {

class QtSaverPlatform : public SaverPlatform {
 public:
  // Shows the information notice; the default runs a modal message box.
  using NoticePresenter = std::function<void(const QString& title, const QString& text, QWidget* owner)>;

  explicit QtSaverPlatform(NoticePresenter presenter = {});
  ~QtSaverPlatform() override;

  void ShowCursor(bool show) override;
  ScreenPoint CursorPosition() override;
  PixelSize PrimaryDisplaySize() override;
  double PrimaryDisplayRefreshRate() override;
  int LogicalDotsPerInch() override;
  uint32_t MillisecondTicks() override;
  Clock::time_point Now() override;

  bool OpenSaverWindow(int windowId, PixelSize size, std::string_view title) override;
  void MakeWindowTopmost(int windowId) override;
  void CloseSaverWindow(int windowId) override;

  std::optional<PixelSize> HostClientSize(HostWindow host) override;
  bool CreatePictureControl(int controlId, HostWindow host, PixelSize size) override;
  bool PictureControlExists(int controlId) override;
  void ShowPicture(int controlId, const QImage& picture) override;
  void ShowFace(int controlId, const QImage& face, ScreenPoint at, QRgb background) override;
  void DestroyPictureControl(int controlId) override;

  int SetScreenSaverRunning(bool running) override;
  std::optional<SaverMessage> TakeMessage(std::chrono::milliseconds timeout) override;
  void IdleUntil(Clock::time_point until) override;
  void CatchTerminationSignals() override;
  bool TerminationRequested() override;

  void ShowInformationNotice(std::string_view title, std::string_view text) override;

  PlatformVersion Version() override;
  bool LoadSystemLibrary(std::string_view name) override;
  bool LibraryHasRoutine(std::string_view library, std::string_view routine) override;
  void FreeSystemLibrary(std::string_view name) override;
  void CallPwdChangePassword(std::string_view registryKey, int64_t ownerWindow, int, int) override;
  bool CallVerifyScreenSavePwd(int windowId) override;
  bool OpenDesktopRegistryKey(uint32_t access) override;
  void CloseDesktopRegistryKey() override;

  // For checks of this layer.
  QWidget* SaverWindowWidget(int windowId) const;
  bool PointerHidden() const { return cursorCount_ < 0; }

 private:
  class MessageRecorder;
  friend class MessageRecorder;

  struct PictureControlSlot {
    QPointer<PictureControl> widget;  // null for a control in a foreign window
    bool foreign = false;
    bool drawnByX = false;  // our own window, its pictures drawn by screenWindow_
  };

  void Record(SaverMessage message);
  bool IsOurWindow(const QWidget* window) const;
  void PumpEvents(Clock::time_point until, bool stopOnMessage);
  void ProcessEventsAtHand();  // one pass over the events that have arrived
  void EndEventPass();
  void GrabKeyboard();  // retried each frame until X grants it

  NoticePresenter presenter_;
  std::unique_ptr<MessageRecorder> recorder_;
  std::map<int, std::unique_ptr<SaverWindow>> windows_;
  std::map<int, PictureControlSlot> controls_;
  X11HostWindow foreignHost_;
  // On X the full-screen pictures go into a child of our own window, past Qt's
  // painting: the X server keeps the face and only moves it.
  X11HostWindow screenWindow_;
  std::deque<SaverMessage> messages_;
  QEventLoop* waitingForMessage_ = nullptr;
  KeyRepeatFilter keyRepeat_;
  int cursorCount_ = 0;  // Windows display counter: visible while >= 0
  bool blankCursorSet_ = false;
  std::optional<int> keyboardWindow_;  // the topmost window takes the keyboard
  bool keyboardGrabbed_ = false;
  int screenSaverRunning_ = 0;  // stands in for the system-wide flag
};

}  // namespace organsaver
