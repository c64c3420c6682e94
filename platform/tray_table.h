#pragma once
// The notification-area icons the program has added, by their fixed numbers.
//
// Only code inside platform/ uses this.
#include <map>
#include <string>

class QSystemTrayIcon;

namespace platform {

// An icon the program has added. Its toolkit icon is made only once a tray is there:
// the toolkit decides on the kind of tray once, when its first icon is made.
struct TrayEntry {
  QSystemTrayIcon* icon = nullptr;  // none while there is no tray
  int ownerWindow = -1;
  int picture = -1;
  std::string tooltip;
};

std::map<int, TrayEntry>& TrayIcons();

// The tooltip as shown: its first 63 characters, and the status line below.
std::string ShownTooltip(int icon, const TrayEntry& entry);

// -1: ask the desktop whether a tray exists; 0 or 1: take it that none does or one does
// (for a test on a display that has no desktop).
int& TrayPresenceOverride();

}  // namespace platform
