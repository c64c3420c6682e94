#pragma once
// A scripted platform for the saver's modes: the test sets the pointer, the
// waiting messages, the host window and the password answers, and reads back
// what the saver did.

#include <QImage>
#include <QPainter>
#include <deque>
#include <string>
#include <vector>

#include "platform/saver/saver_platform.h"

namespace organsaver::test {

class FakeSaverPlatform : public SaverPlatform {
 public:
  // ---- script ----
  PixelSize display{1024, 768};
  double refreshRate = 60.0;
  int dotsPerInch = 96;
  ScreenPoint pointer{500, 400};
  std::deque<SaverMessage> messages;
  bool windowOpens = true;
  // A foreign host window: its handle, its size, and after how many existence
  // checks it is destroyed (-1: never).
  int64_t hostHandle = 0;
  PixelSize hostSize{200, 150};
  int hostDestroyedAfterChecks = -1;
  PlatformVersion version{PlatformVersion::Family::WindowsNt, 0};
  bool registryKeyOpens = true;
  std::vector<std::string> loadableLibraries;
  std::vector<std::string> availableRoutines;
  std::deque<bool> passwordAnswers;  // of VerifyScreenSavePwd, in order
  bool terminationRequested = false;

  // ---- record ----
  int cursorCount = 0;
  int runningFlag = 0;
  std::vector<int> runningFlagSets;
  bool windowOpen = false;
  bool windowTopmost = false;
  int windowId = -1;
  PixelSize windowSize;
  std::string windowTitle;
  std::vector<HostWindow> hostsAsked;
  std::vector<int> controlsCreated;
  int existenceChecks = 0;
  int picturesShown = 0;  // whole pictures and faces
  int facesShown = 0;
  PixelSize controlSize;
  QImage lastPicture;
  std::vector<std::chrono::milliseconds> messageWaits;
  std::vector<Clock::time_point> frameDeadlines;
  std::vector<std::pair<std::string, std::string>> notices;
  std::vector<std::string> calls;  // library, registry and password calls in order
  int verifyDialogs = 0;
  Clock::time_point now{};

  void ShowCursor(bool show) override { cursorCount += show ? 1 : -1; }
  ScreenPoint CursorPosition() override { return pointer; }
  PixelSize PrimaryDisplaySize() override { return display; }
  double PrimaryDisplayRefreshRate() override { return refreshRate; }
  int LogicalDotsPerInch() override { return dotsPerInch; }
  uint32_t MillisecondTicks() override { return 4711; }
  Clock::time_point Now() override { return now; }

  bool OpenSaverWindow(int id, PixelSize size, std::string_view title) override {
    if (!windowOpens) return false;
    windowOpen = true;
    windowId = id;
    windowSize = size;
    windowTitle = std::string(title);
    return true;
  }
  void MakeWindowTopmost(int) override { windowTopmost = true; }
  void CloseSaverWindow(int) override { windowOpen = false; }

  std::optional<PixelSize> HostClientSize(HostWindow host) override {
    hostsAsked.push_back(host);
    if (host.kind == HostWindow::Kind::SaverWindow) return windowSize;
    if (host.kind == HostWindow::Kind::ForeignHandle && (host.id == 0 || host.id != hostHandle))
      return std::nullopt;
    return hostSize;
  }
  bool CreatePictureControl(int controlId, HostWindow host, PixelSize size) override {
    if (host.kind == HostWindow::Kind::ForeignHandle && (host.id == 0 || host.id != hostHandle))
      return false;
    controlSize = size;
    controlsCreated.push_back(controlId);
    return true;
  }
  bool PictureControlExists(int) override {
    ++existenceChecks;
    return hostDestroyedAfterChecks < 0 || existenceChecks <= hostDestroyedAfterChecks;
  }
  void ShowPicture(int, const QImage& picture) override {
    ++picturesShown;
    lastPicture = picture.copy();
  }
  // Composed as the screen would show it.
  void ShowFace(int, const QImage& face, ScreenPoint at, QRgb background) override {
    ++picturesShown;
    ++facesShown;
    lastPicture = QImage(controlSize.width, controlSize.height, QImage::Format_RGB32);
    lastPicture.fill(background);
    QPainter(&lastPicture).drawImage(at.x, at.y, face);
  }
  void DestroyPictureControl(int) override {}

  int SetScreenSaverRunning(bool running) override {
    const int previous = runningFlag;
    runningFlag = running ? 1 : 0;
    runningFlagSets.push_back(runningFlag);
    return previous;
  }
  std::optional<SaverMessage> TakeMessage(std::chrono::milliseconds timeout) override {
    messageWaits.push_back(timeout);
    if (messages.empty()) {
      now += timeout;
      return std::nullopt;
    }
    const SaverMessage message = messages.front();
    messages.pop_front();
    return message;
  }
  void IdleUntil(Clock::time_point until) override {
    frameDeadlines.push_back(until);
    if (until > now) now = until;
  }
  void CatchTerminationSignals() override {}
  bool TerminationRequested() override { return terminationRequested; }

  void ShowInformationNotice(std::string_view title, std::string_view text) override {
    notices.emplace_back(title, text);
  }

  PlatformVersion Version() override { return version; }
  bool LoadSystemLibrary(std::string_view name) override {
    calls.push_back("load " + std::string(name));
    for (const auto& library : loadableLibraries)
      if (library == name) return true;
    return false;
  }
  bool LibraryHasRoutine(std::string_view, std::string_view routine) override {
    for (const auto& available : availableRoutines)
      if (available == routine) return true;
    return false;
  }
  void FreeSystemLibrary(std::string_view name) override { calls.push_back("free " + std::string(name)); }
  void CallPwdChangePassword(std::string_view key, int64_t owner, int a, int b) override {
    calls.push_back("PwdChangePasswordA " + std::string(key) + " " + std::to_string(owner) + " " +
                    std::to_string(a) + " " + std::to_string(b));
  }
  bool CallVerifyScreenSavePwd(int window) override {
    ++verifyDialogs;
    calls.push_back("VerifyScreenSavePwd " + std::to_string(window) +
                    (cursorCount >= 0 ? " pointer shown" : " pointer hidden"));
    if (passwordAnswers.empty()) return false;
    const bool answer = passwordAnswers.front();
    passwordAnswers.pop_front();
    return answer;
  }
  bool OpenDesktopRegistryKey(uint32_t access) override {
    calls.push_back("open key " + std::to_string(access));
    return registryKeyOpens;
  }
  void CloseDesktopRegistryKey() override { calls.push_back("close key"); }
};

}  // namespace organsaver::test
