#pragma once
// The notification-area icon. Its clicks reach the main loop as Tray events.
#include <string>
#include <vector>

namespace platform {

void AddTrayIcon(int icon, int ownerWindow, int picture, const std::string& tooltip);
void RemoveTrayIcon(int icon);
bool TrayIconExists(int icon);
// Whether the desktop offers a system tray right now (it may appear after start-up).
bool IsTrayAvailable();

}  // namespace platform
