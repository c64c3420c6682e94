#pragma once
// Start and end of the window system, sound and the other facilities.
#include "platform/program_identity.h"

namespace platform {

// Creates the application object for the program `identity` names: its name, the
// toolkit's texts and the dates in its locale, its font stand-ins. Prefers X11 (XWayland) on Wayland unless
// a platform was chosen, since a Wayland client can neither stay on top nor raise or place its windows.
void InitPlatform(int& argc, char** argv, const ProgramIdentity& identity);
bool IsPlatformReady();

// Releases every window, control, menu, picture, font and tray icon.
void ReleaseAllObjects();

// True once SIGTERM, SIGINT or SIGHUP arrived or the desktop session is ending.
bool TerminationRequested();
void ClearTerminationRequest();
// Sets the request from within the program (the display is gone, the process ends).
void RequestTermination();

}  // namespace platform
