#pragma once
// The notification-area icon. Its clicks reach the main loop as Tray events.
#include <functional>
#include <string>
#include <vector>

namespace platform {

void AddTrayIcon(int icon, int ownerWindow, int picture, const std::string& tooltip);
void RemoveTrayIcon(int icon);
void RemoveAllTrayIcons();
// A second line below the tooltip (empty: none), kept for an icon added later too.
void SetTrayIconStatus(int icon, const std::string& line);
bool TrayIconExists(int icon);
// Whether the desktop offers a system tray right now (it may appear after start-up).
// Icons added while there is none are put into the tray when one appears.
bool IsTrayAvailable();
// Watches for a tray that appears later, without polling; then the icons added
// meanwhile go into it and `appeared` runs on the main thread.
void WatchForTray(std::function<void()> appeared);

}  // namespace platform
