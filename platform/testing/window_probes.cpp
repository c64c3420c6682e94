// The windows, the tray icon, the event queue and the caret as a user finds them.
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QSystemTrayIcon>

#include "platform/object_table.h"
#include "platform/testing/test_probes.h"
#include "platform/tray_table.h"

namespace platform {

bool IsWindowVisible(int window) {
  WindowEntry* e = FindWindow(window);
  return e && e->window->isVisible();
}

bool IsWindowMinimised(int window) {
  WindowEntry* e = FindWindow(window);
  return e && e->window->isMinimized();
}

std::string WindowTitle(int window) {
  WindowEntry* e = FindWindow(window);
  return e ? FromQt(e->window->windowTitle()) : std::string();
}

std::vector<int> WindowIconSizes(int window) {
  std::vector<int> sizes;
  if (WindowEntry* e = FindWindow(window))
    for (const QSize& size : e->window->windowIcon().availableSizes()) sizes.push_back(size.width());
  return sizes;
}

bool IsWindowOnTop(int window) {
  WindowEntry* e = FindWindow(window);
  return e && e->window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

bool SaveWindowPicture(int window, const std::string& path) {
  WindowEntry* e = FindWindow(window);
  if (!e) return false;
  return e->window->grab().save(QString::fromStdString(path), "PNG");
}

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

int PendingEventCount() { return static_cast<int>(EventQueue().size()); }

bool CaretBlinks() { return qApp && QApplication::cursorFlashTime() > 0; }

}  // namespace platform
