#include "platform/tray.h"

#include <QSystemTrayIcon>

#include <map>

#include "platform/object_table.h"
#include "platform/tray_table.h"
#include "platform/tray_watch.h"

namespace platform {
namespace {

std::map<int, std::string>& StatusLines() {
  static std::map<int, std::string> lines;
  return lines;
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

std::map<int, TrayEntry>& TrayIcons() {
  static std::map<int, TrayEntry> icons;
  return icons;
}

int& TrayPresenceOverride() {
  static int presence = -1;
  return presence;
}

std::string ShownTooltip(int icon, const TrayEntry& entry) {
  const std::string& status = StatusLines()[icon];
  return status.empty() ? entry.tooltip : entry.tooltip + "\n" + status;
}

void AddTrayIcon(int icon, int ownerWindow, int picture, const std::string& tooltip) {
  RemoveTrayIcon(icon);
  // At most 63 characters of a tooltip are shown.
  TrayEntry& entry = TrayIcons()[icon] = TrayEntry{nullptr, ownerWindow, picture, tooltip.substr(0, 63)};
  if (IsTrayAvailable()) MakeToolkitIcon(icon, entry);
}

void WatchForTray(std::function<void()> appeared) {
  StartTrayWatch([appeared] {
    if (TrayPresenceOverride() >= 0) return;
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

bool IsTrayAvailable() {
  if (TrayPresenceOverride() >= 0) return TrayPresenceOverride() == 1;
  return TraySeen();
}

void RemoveAllTrayIcons() {
  while (!TrayIcons().empty()) RemoveTrayIcon(TrayIcons().begin()->first);
}

}  // namespace platform
