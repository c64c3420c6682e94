#pragma once
// The saver's modes and frame loops. Each run keeps all its state in one
// record made at start-up; one call draws and shows one frame.
// The drawing in saver/ uses QPainter and QImage directly, as a drawing library on
// off-screen pictures; its windows and input are reached only through platform/saver.

#include <QImage>
#include <optional>
#include <string>
#include <vector>

#include "platform/saver/saver_platform.h"
#include "saver/clock_display.h"
#include "saver/command_line.h"
#include "saver/face_picture.h"
#include "saver/frame_pacing.h"
#include "saver/local_clock.h"

namespace organsaver {

inline constexpr std::string_view kNoticeTitle = "Hinweis";
inline constexpr std::string_view kNoticeText = "Hier k\u00f6nnte ihre Werbung stehn!";
inline constexpr std::string_view kFullScreenTitle = "Screen Saver";
inline constexpr int kMouseSlackPixels = 10;  // more than this ends the run
inline constexpr std::chrono::milliseconds kFullScreenMessageWait{1};
inline constexpr std::chrono::milliseconds kPreviewMessageWait{10};

// Chooses the mode from the parameters (and XSCREENSAVER_WINDOW, null when
// unset) and runs it. The process exit code is always 0.
int RunSaver(const std::vector<std::string>& parameters, const char* xscreensaverWindow,
             SaverPlatform& platform, const LocalClock& clock);

void ShowConfigureNotice(SaverPlatform& platform);

// True when the password library could be loaded.
bool ChangeSaverPassword(SaverPlatform& platform);

// True when the run may end.
bool VerifySaverPassword(SaverPlatform& platform, int window);

// ---- full-screen ----

struct FullScreenRun {
  ScreenPoint startCursor;  // never updated after the start
  int displayWidth = 0;
  int displayHeight = 0;
  QImage picture;      // picture kFullScreenPicture, drawn whole only at the edges
  FacePictures faces;  // the face, moved over the screen between seconds
  ClockDisplay display;
  FramePacer pacer;
};

// Steps up to the first frame; nothing when the window cannot be opened.
std::optional<FullScreenRun> StartFullScreenRun(SaverPlatform& platform);
// Draws, shows and moves one frame, then runs the end checks; false once the run is over.
bool RunFullScreenFrame(FullScreenRun& run, SaverPlatform& platform, const LocalClock& clock);
void EndFullScreenRun(FullScreenRun& run, SaverPlatform& platform);
void RunFullScreen(SaverPlatform& platform, const LocalClock& clock);

// ---- preview, and the window XScreenSaver hands over ----

struct HostedRun {
  HostWindow host;
  PixelSize hostSize;
  QImage picture;      // picture kPreviewPicture
  FacePictures faces;  // full-screen style only
  ClockDisplay display;
  FramePacer pacer;
  bool controlCreated = false;
};

// The preview: a fixed face in the host window until that window is destroyed.
HostedRun StartPreviewRun(SaverPlatform& platform, int64_t hostHandle);
bool RunPreviewFrame(HostedRun& run, SaverPlatform& platform, const LocalClock& clock);
void RunPreview(SaverPlatform& platform, const LocalClock& clock, int64_t hostHandle);

// XScreenSaver: the full-screen face, sized to the given window, until the
// window goes away or XScreenSaver ends the process.
HostedRun StartXScreenSaverRun(SaverPlatform& platform, const XScreenSaverHost& host);
bool RunXScreenSaverFrame(HostedRun& run, SaverPlatform& platform, const LocalClock& clock);
void RunInXScreenSaverWindow(SaverPlatform& platform, const LocalClock& clock,
                             const XScreenSaverHost& host);

void EndHostedRun(HostedRun& run, SaverPlatform& platform);

}  // namespace organsaver
