#include "platform/tray.h"

#include <QSystemTrayIcon>

#include <map>

#include "platform/object_table.h"
#include "platform/test_probes.h"
#include "platform/ui_driver.h"

namespace platform {
namespace {

struct TrayEntry {
  QSystemTrayIcon* icon = nullptr;
  std::string tooltip;
};

std::map<int, TrayEntry>& TrayIcons() {
  static std::map<int, TrayEntry> icons;
  return icons;
}

int g_trayOverride = -1;  // -1: ask the desktop

}  // namespace

void AddTrayIcon(int icon, int ownerWindow, int picture, const std::string& tooltip) {
  RemoveTrayIcon(icon);
  auto* tray = new QSystemTrayIcon(PictureIcon(picture));
  // At most 63 characters of a tooltip are shown.
  tray->setToolTip(ToQt(tooltip.substr(0, 63)));
  QObject::connect(tray, &QSystemTrayIcon::activated,
                   [ownerWindow](QSystemTrayIcon::ActivationReason reason) {
                     if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick ||
                         reason == QSystemTrayIcon::Context || reason == QSystemTrayIcon::MiddleClick)
                       PostEvent({EventKind::Tray, ownerWindow, -1});
                   });
  tray->show();
  TrayIcons()[icon] = TrayEntry{tray, tooltip.substr(0, 63)};
}

void RemoveTrayIcon(int icon) {
  auto it = TrayIcons().find(icon);
  if (it == TrayIcons().end()) return;
  it->second.icon->hide();
  delete it->second.icon;
  TrayIcons().erase(it);
}

bool TrayIconExists(int icon) { return TrayIcons().count(icon) != 0; }

std::string TrayIconTooltip(int icon) {
  auto it = TrayIcons().find(icon);
  return it == TrayIcons().end() ? std::string() : it->second.tooltip;
}

std::vector<int> TrayIconSizes(int icon) {
  std::vector<int> sizes;
  auto it = TrayIcons().find(icon);
  if (it != TrayIcons().end())
    for (const QSize& size : it->second.icon->icon().availableSizes()) sizes.push_back(size.width());
  return sizes;
}

bool IsTrayAvailable() {
  if (g_trayOverride >= 0) return g_trayOverride == 1;
  return QSystemTrayIcon::isSystemTrayAvailable();
}

void SetTrayAvailableForTesting(int available) { g_trayOverride = available; }

void ClickTrayIcon(int icon) {
  auto it = TrayIcons().find(icon);
  if (it != TrayIcons().end()) emit it->second.icon->activated(QSystemTrayIcon::Trigger);
}

void RemoveAllTrayIcons() {
  while (!TrayIcons().empty()) RemoveTrayIcon(TrayIcons().begin()->first);
}

}  // namespace platform
