#pragma once
// Watching for a system tray that appears after start-up (at login the program often
// starts before the desktop's tray). No polling: the session bus reports the
// StatusNotifierWatcher's coming, and the X server the XEmbed tray manager's.
#include <functional>

namespace platform {

// Whether a tray has been seen: a StatusNotifierWatcher with a host, or an XEmbed tray
// manager.
bool TraySeen();
// Starts the watch (once per process); `appeared` runs on the main thread when the
// first tray appears.
void StartTrayWatch(std::function<void()> appeared);

}  // namespace platform
