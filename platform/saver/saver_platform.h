#pragma once
// Everything organsaver asks of the platform, behind one interface: the real
// one (Qt and Xlib on Linux) and the scripted one of the tests. The calls mirror
// the Windows screen-saver conventions the saver follows; where Linux has no
// such thing (password libraries, registry, the screen-saver-running flag) the
// real platform answers as a system without it.

#include <QRgb>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

class QImage;

namespace organsaver {

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};

// The window a picture control is put into.
struct HostWindow {
  enum class Kind {
    SaverWindow,    // one of the saver's own windows, by identifier
    ForeignHandle,  // a window of another program, by its native handle
    DefaultRoot,    // the root window of the default X screen
  };
  Kind kind = Kind::SaverWindow;
  int64_t id = 0;
};

// One message of the program's thread, as the frame loops see it.
enum class SaverMessage { KeyPress, KeyRelease, MouseButton, CloseRequest, Other };

struct PlatformVersion {
  enum class Family { Windows9x, WindowsNt, Other };
  Family family = Family::Other;
  int minor = 0;
};

inline constexpr uint32_t kRegistryKeyRead = 0x20019;  // KEY_READ

class SaverPlatform {
 public:
  using Clock = std::chrono::steady_clock;
  virtual ~SaverPlatform() = default;

  // Pointer. show = false hides it; like the Windows display counter, the
  // pointer is visible while the shows outnumber or equal the hides.
  virtual void ShowCursor(bool show) = 0;
  virtual ScreenPoint CursorPosition() = 0;

  // Primary display.
  virtual PixelSize PrimaryDisplaySize() = 0;
  virtual double PrimaryDisplayRefreshRate() = 0;  // 0 when unknown
  virtual int LogicalDotsPerInch() = 0;

  virtual uint32_t MillisecondTicks() = 0;
  virtual Clock::time_point Now() = 0;

  // The saver's own borderless window at (0, 0).
  virtual bool OpenSaverWindow(int windowId, PixelSize size, std::string_view title) = 0;
  virtual void MakeWindowTopmost(int windowId) = 0;
  virtual void CloseSaverWindow(int windowId) = 0;

  // Picture controls: at (0, 0) in the host, the size of the picture shown.
  virtual std::optional<PixelSize> HostClientSize(HostWindow host) = 0;  // none: unusable
  virtual bool CreatePictureControl(int controlId, HostWindow host, PixelSize size) = 0;
  virtual bool PictureControlExists(int controlId) = 0;                // false once its window is gone
  virtual void ShowPicture(int controlId, const QImage& picture) = 0;  // repaints at once
  // What ShowPicture would show for a picture of the background with the face
  // at `at`, sent on as only what changed since the last picture shown.
  virtual void ShowFace(int controlId, const QImage& face, ScreenPoint at, QRgb background) = 0;
  virtual void DestroyPictureControl(int controlId) = 0;

  // SPI_SETSCREENSAVERRUNNING: returns the previous value of the flag.
  virtual int SetScreenSaverRunning(bool running) = 0;

  // Waits up to timeout for the next message of the thread and takes it; one
  // message per call, whatever else is waiting.
  virtual std::optional<SaverMessage> TakeMessage(std::chrono::milliseconds timeout) = 0;
  // Keeps windows and hosts serviced until the given time without taking messages.
  virtual void IdleUntil(Clock::time_point until) = 0;

  // SIGTERM/SIGINT end a frame loop quietly (XScreenSaver ends its hacks so).
  virtual void CatchTerminationSignals() = 0;
  virtual bool TerminationRequested() = 0;

  // Modal message box with the information icon and one OK button (flags 64),
  // owned by the foreground window if that is one of ours.
  virtual void ShowInformationNotice(std::string_view title, std::string_view text) = 0;

  // Password change and verification of the Windows screen-saver conventions.
  virtual PlatformVersion Version() = 0;
  virtual bool LoadSystemLibrary(std::string_view name) = 0;
  virtual bool LibraryHasRoutine(std::string_view library, std::string_view routine) = 0;
  virtual void FreeSystemLibrary(std::string_view name) = 0;
  // "PwdChangePasswordA" of "mpr.dll"
  virtual void CallPwdChangePassword(std::string_view registryKey, int64_t ownerWindow, int, int) = 0;
  // "VerifyScreenSavePwd" of "Password.cpl"
  virtual bool CallVerifyScreenSavePwd(int windowId) = 0;
  virtual bool OpenDesktopRegistryKey(uint32_t access) = 0;  // "Control Panel\desktop"
  virtual void CloseDesktopRegistryKey() = 0;
};

}  // namespace organsaver
