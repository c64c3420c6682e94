#include "platform/tray.h"

#include <QSystemTrayIcon>

#include <map>

#include "platform/object_table.h"
#include "platform/test_probes.h"
#include "platform/tray_watch.h"
#include "platform/ui_driver.h"

namespace platform {
namespace {

// An icon the program has added. Its toolkit icon is made only once a tray is there:
// the toolkit decides on the kind of tray once, when its first icon is made.
struct TrayEntry {
  QSystemTrayIcon* icon = nullptr;  // none while there is no tray
  int ownerWindow = -1;
  int picture = -1;
  std::string tooltip;
};

std::map<int, TrayEntry>& TrayIcons() {
  static std::map<int, TrayEntry> icons;
  return icons;
}

int g_trayOverride = -1;  // -1: ask the desktop

std::map<int, std::string>& StatusLines() {
  static std::map<int, std::string> lines;
  return lines;
}

// The tooltip as shown: its first 63 characters, and the status line below.
std::string ShownTooltip(int icon, const TrayEntry& entry) {
  const std::string& status = StatusLines()[icon];
  return status.empty() ? entry.tooltip : entry.tooltip + "\n" + status;
}

void MakeToolkitIcon(int icon, TrayEntry& entry) {
  if (entry.icon) return;
  auto* tray = new QSystemTrayIcon(PictureIcon(entry.picture));
  tray->setToolTip(ToQt(ShownTooltip(icon, entry)));
  const int ownerWindow = entry.ownerWindow;
  QObject::connect(tray, &QSystemTrayIcon::activated,
                   [ownerWindow](QSystemTrayIcon::ActivationReason reason) {
                     if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick ||
                         reason == QSystemTrayIcon::Context || reason == QSystemTrayIcon::MiddleClick)
                       PostEvent({EventKind::Tray, ownerWindow, -1});
                   });
  tray->show();
  entry.icon = tray;
}

}  // namespace

void AddTrayIcon(int icon, int ownerWindow, int picture, const std::string& tooltip) {
  RemoveTrayIcon(icon);
  // At most 63 characters of a tooltip are shown.
  TrayEntry& entry = TrayIcons()[icon] = TrayEntry{nullptr, ownerWindow, picture, tooltip.substr(0, 63)};
  if (IsTrayAvailable()) MakeToolkitIcon(icon, entry);
}

void WatchForTray(std::function<void()> appeared) {
  StartTrayWatch([appeared] {
    if (g_trayOverride >= 0) return;
    for (auto& [id, entry] : TrayIcons()) MakeToolkitIcon(id, entry);
    if (appeared) appeared();
  });
}

void RemoveTrayIcon(int icon) {
  auto it = TrayIcons().find(icon);
  if (it == TrayIcons().end()) return;
  if (it->second.icon) {
    it->second.icon->hide();
    delete it->second.icon;
  }
  TrayIcons().erase(it);
}

void SetTrayIconStatus(int icon, const std::string& line) {
  StatusLines()[icon] = line;
  auto it = TrayIcons().find(icon);
  if (it != TrayIcons().end() && it->second.icon)
    it->second.icon->setToolTip(ToQt(ShownTooltip(icon, it->second)));
}

bool TrayIconExists(int icon) { return TrayIcons().count(icon) != 0; }

std::string TrayIconTooltip(int icon) {
  auto it = TrayIcons().find(icon);
  return it == TrayIcons().end() ? std::string() : ShownTooltip(icon, it->second);
}

std::vector<int> TrayIconSizes(int icon) {
  std::vector<int> sizes;
  auto it = TrayIcons().find(icon);
  if (it != TrayIcons().end())
    for (const QSize& size : PictureIcon(it->second.picture).availableSizes())
      sizes.push_back(size.width());
  return sizes;
}

bool IsTrayAvailable() {
  if (g_trayOverride >= 0) return g_trayOverride == 1;
  return TraySeen();
}

void SetTrayAvailableForTesting(int available) { g_trayOverride = available; }

void ClickTrayIcon(int icon) {
  auto it = TrayIcons().find(icon);
  if (it != TrayIcons().end() && it->second.icon) emit it->second.icon->activated(QSystemTrayIcon::Trigger);
}

void RemoveAllTrayIcons() {
  while (!TrayIcons().empty()) RemoveTrayIcon(TrayIcons().begin()->first);
}

}  // namespace platform
