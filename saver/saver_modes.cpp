#include "saver/saver_modes.h"

#include <cstdlib>

#include "saver/pixel_drawing.h"
#include "saver/saver_object_ids.h"

namespace organsaver {

namespace {

constexpr std::string_view kPasswordChangeLibrary = "mpr.dll";
constexpr std::string_view kPasswordChangeRoutine = "PwdChangePasswordA";
constexpr std::string_view kPasswordChangeKey = "SCRSAVE";
constexpr std::string_view kPasswordVerifyComponent = "Password.cpl";
constexpr std::string_view kPasswordVerifyRoutine = "VerifyScreenSavePwd";

QImage NewPicture(PixelSize size) {
  if (size.width <= 0 || size.height <= 0) return {};
  return QImage(size.width, size.height, QImage::Format_RGB32);
}

bool MovedTooFar(int now, int start) { return std::abs(now - start) > kMouseSlackPixels; }

void WaitForNextFrame(FramePacer& pacer, SaverPlatform& platform) {
  platform.IdleUntil(NextFrameDue(pacer, platform.Now()));
}

// One full-screen frame on the control. On the screen it is the whole picture
// drawn anew, but the face is drawn once a second and otherwise only moved.
void ShowFullScreenFrame(ClockDisplay& display, FacePictures& faces, QImage& picture, int control,
                         SaverPlatform& platform, const LocalTime& now) {
  if (const auto face = PlaceClockFace(display, faces, now)) {
    platform.ShowFace(control, *face->picture, {face->at.x, face->at.y},
                      ToQRgb(display.colours.background));
    return;
  }
  DrawClockFrame(display, picture, now);
  platform.ShowPicture(control, picture);
}

bool NamesWindowOnCommandLine(const std::vector<std::string>& parameters) {
  for (const std::string& p : parameters)
    if (p == "-window-id" || p == "--window-id") return true;
  return false;
}

// XSCREENSAVER_WINDOW outlives the XScreenSaver session that set it. A window named
// only there that no longer exists is no host: without parameters the run is the
// ordinary full-screen one, with "-root" it draws on the root window.
std::optional<XScreenSaverHost> UsableXScreenSaverHost(const std::vector<std::string>& parameters,
                                                       const char* environmentWindow,
                                                       SaverPlatform& platform) {
  std::optional<XScreenSaverHost> host = FindXScreenSaverHost(parameters, environmentWindow);
  if (!host || host->useRootWindow || NamesWindowOnCommandLine(parameters)) return host;
  const HostWindow named{HostWindow::Kind::ForeignHandle, static_cast<int64_t>(host->windowId)};
  if (platform.HostClientSize(named)) return host;
  if (parameters.empty()) return std::nullopt;
  return XScreenSaverHost{true, 0};
}

}  // namespace

int RunSaver(const std::vector<std::string>& parameters, const char* xscreensaverWindow,
             SaverPlatform& platform, const LocalClock& clock) {
  if (const auto host = UsableXScreenSaverHost(parameters, xscreensaverWindow, platform)) {
    RunInXScreenSaverWindow(platform, clock, *host);
    return 0;
  }
  const SaverCommand command = ReadSaverCommand(parameters);
  switch (command.mode) {
    case SaverMode::Configure: ShowConfigureNotice(platform); break;
    case SaverMode::ChangePassword:
      ChangeSaverPassword(platform);  // the answer is of no use here
      break;
    case SaverMode::Preview: RunPreview(platform, clock, command.previewHandle); break;
    case SaverMode::FullScreen: RunFullScreen(platform, clock); break;
  }
  return 0;
}

void ShowConfigureNotice(SaverPlatform& platform) {
  platform.ShowInformationNotice(kNoticeTitle, kNoticeText);
}

bool ChangeSaverPassword(SaverPlatform& platform) {
  if (!platform.LoadSystemLibrary(kPasswordChangeLibrary)) return false;
  if (platform.LibraryHasRoutine(kPasswordChangeLibrary, kPasswordChangeRoutine)) {
    // Owner 0: a handle given after "/a" is not used.
    platform.CallPwdChangePassword(kPasswordChangeKey, 0, 0, 0);
  }
  platform.FreeSystemLibrary(kPasswordChangeLibrary);
  return true;
}

bool VerifySaverPassword(SaverPlatform& platform, int window) {
  const PlatformVersion version = platform.Version();
  const bool windows9x = version.family == PlatformVersion::Family::Windows9x &&
                         (version.minor == 0 || version.minor == 10 || version.minor == 90);
  if (!windows9x) return true;

  // Where there is no way to ask for the password, let the run end rather than
  // lock the user out.
  bool mayEnd = true;
  if (platform.OpenDesktopRegistryKey(kRegistryKeyRead)) {
    if (platform.LoadSystemLibrary(kPasswordVerifyComponent)) {
      if (platform.LibraryHasRoutine(kPasswordVerifyComponent, kPasswordVerifyRoutine)) {
        platform.ShowCursor(true);
        mayEnd = platform.CallVerifyScreenSavePwd(window);
        platform.ShowCursor(mayEnd);  // a refused password hides the pointer again
      }
      platform.FreeSystemLibrary(kPasswordVerifyComponent);
    }
    platform.CloseDesktopRegistryKey();
  }
  return mayEnd;
}

// ---- full-screen ----

std::optional<FullScreenRun> StartFullScreenRun(SaverPlatform& platform) {
  FullScreenRun run;
  platform.ShowCursor(false);
  run.startCursor = platform.CursorPosition();
  const PixelSize display = platform.PrimaryDisplaySize();
  run.displayWidth = display.width;
  run.displayHeight = display.height;
  run.picture = NewPicture(display);
  if (!platform.OpenSaverWindow(kFullScreenWindow, display, kFullScreenTitle)) return std::nullopt;
  platform.CreatePictureControl(kFullScreenPictureControl,
                                {HostWindow::Kind::SaverWindow, kFullScreenWindow}, display);
  platform.MakeWindowTopmost(kFullScreenWindow);
  platform.SetScreenSaverRunning(true);
  platform.CatchTerminationSignals();
  run.display = SetUpClockDisplay(run.displayWidth, run.displayHeight, FaceStyle::FullScreen,
                                  platform.LogicalDotsPerInch(), platform.MillisecondTicks());
  run.pacer = StartFramePacer(platform.PrimaryDisplayRefreshRate());
  return run;
}

bool RunFullScreenFrame(FullScreenRun& run, SaverPlatform& platform, const LocalClock& clock) {
  if (platform.TerminationRequested()) return false;
  // Another program may have destroyed the window: nothing would show or end the run.
  if (!platform.PictureControlExists(kFullScreenPictureControl)) return false;

  const LocalTime now = clock();
  ShowFullScreenFrame(run.display, run.faces, run.picture, kFullScreenPictureControl, platform, now);
  RefreshClockTexts(run.display.texts, now);  // shows from the next frame on
  MoveClockDial(run.display);

  // Only a movement of more than the slack asks for the end; a refused
  // password leaves the start position as it was, so it asks again next frame.
  const ScreenPoint pointer = platform.CursorPosition();
  if (MovedTooFar(pointer.x, run.startCursor.x) || MovedTooFar(pointer.y, run.startCursor.y)) {
    if (VerifySaverPassword(platform, kFullScreenWindow)) return false;
  }

  // One message per frame. Key presses, clicks and close requests do not end the run.
  const std::optional<SaverMessage> message = platform.TakeMessage(kFullScreenMessageWait);
  if (message == SaverMessage::KeyRelease && VerifySaverPassword(platform, kFullScreenWindow)) return false;

  WaitForNextFrame(run.pacer, platform);
  return true;
}

void EndFullScreenRun(FullScreenRun& /*run*/, SaverPlatform& platform) {
  platform.SetScreenSaverRunning(false);
  platform.DestroyPictureControl(kFullScreenPictureControl);
  platform.CloseSaverWindow(kFullScreenWindow);
  // The pointer stays hidden until the process ends.
}

void RunFullScreen(SaverPlatform& platform, const LocalClock& clock) {
  std::optional<FullScreenRun> run = StartFullScreenRun(platform);
  if (!run) return;
  while (RunFullScreenFrame(*run, platform, clock)) {
  }
  EndFullScreenRun(*run, platform);
}

// ---- preview and XScreenSaver ----

namespace {

HostedRun StartHostedRun(SaverPlatform& platform, HostWindow host, FaceStyle style) {
  HostedRun run;
  run.host = host;
  // An unusable host reads as 0 x 0: no picture and no control, so the loop
  // ends after its first pass without showing anything.
  const std::optional<PixelSize> size = platform.HostClientSize(host);
  run.hostSize = size.value_or(PixelSize{});
  run.picture = NewPicture(run.hostSize);
  run.controlCreated = size && platform.CreatePictureControl(kPreviewPictureControl, host, run.hostSize);
  run.display = SetUpClockDisplay(run.hostSize.width, run.hostSize.height, style,
                                  platform.LogicalDotsPerInch(), platform.MillisecondTicks());
  run.pacer = StartFramePacer(platform.PrimaryDisplayRefreshRate());
  platform.CatchTerminationSignals();
  return run;
}

}  // namespace

HostedRun StartPreviewRun(SaverPlatform& platform, int64_t hostHandle) {
  return StartHostedRun(platform, {HostWindow::Kind::ForeignHandle, hostHandle}, FaceStyle::Preview);
}

bool RunPreviewFrame(HostedRun& run, SaverPlatform& platform, const LocalClock& clock) {
  DrawClockFrame(run.display, run.picture, clock());
  if (!run.controlCreated || !platform.PictureControlExists(kPreviewPictureControl)) return false;
  if (platform.TerminationRequested()) return false;
  platform.ShowPicture(kPreviewPictureControl, run.picture);
  platform.TakeMessage(kPreviewMessageWait);  // nothing in it ends the preview
  WaitForNextFrame(run.pacer, platform);
  return true;
}

void RunPreview(SaverPlatform& platform, const LocalClock& clock, int64_t hostHandle) {
  HostedRun run = StartPreviewRun(platform, hostHandle);
  while (RunPreviewFrame(run, platform, clock)) {
  }
  EndHostedRun(run, platform);
}

HostedRun StartXScreenSaverRun(SaverPlatform& platform, const XScreenSaverHost& host) {
  const HostWindow window =
      host.useRootWindow ? HostWindow{HostWindow::Kind::DefaultRoot, 0}
                         : HostWindow{HostWindow::Kind::ForeignHandle, static_cast<int64_t>(host.windowId)};
  return StartHostedRun(platform, window, FaceStyle::FullScreen);
}

bool RunXScreenSaverFrame(HostedRun& run, SaverPlatform& platform, const LocalClock& clock) {
  if (!run.controlCreated || !platform.PictureControlExists(kPreviewPictureControl)) return false;
  if (platform.TerminationRequested()) return false;

  // XScreenSaver's own preview window can change size: start the face anew.
  const std::optional<PixelSize> size = platform.HostClientSize(run.host);
  if (!size) return false;
  if (*size != run.hostSize) {
    platform.DestroyPictureControl(kPreviewPictureControl);
    run = StartHostedRun(platform, run.host, FaceStyle::FullScreen);
    if (!run.controlCreated) return false;
  }

  const LocalTime now = clock();
  ShowFullScreenFrame(run.display, run.faces, run.picture, kPreviewPictureControl, platform, now);
  RefreshClockTexts(run.display.texts, now);
  MoveClockDial(run.display);
  platform.TakeMessage(kFullScreenMessageWait);  // input is XScreenSaver's business
  WaitForNextFrame(run.pacer, platform);
  return true;
}

void RunInXScreenSaverWindow(SaverPlatform& platform, const LocalClock& clock,
                             const XScreenSaverHost& host) {
  HostedRun run = StartXScreenSaverRun(platform, host);
  while (RunXScreenSaverFrame(run, platform, clock)) {
  }
  EndHostedRun(run, platform);
}

void EndHostedRun(HostedRun& run, SaverPlatform& platform) {
  if (run.controlCreated) platform.DestroyPictureControl(kPreviewPictureControl);
}

}  // namespace organsaver
