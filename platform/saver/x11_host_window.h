#pragma once
// Drawing into a window of another program on X11 (the preview host, the
// window XScreenSaver hands over) through a child window at (0, 0) that ceases
// to exist when the host is destroyed, or straight onto the desktop (the root
// window or the virtual root a window manager names), beneath all other
// windows. Uses its own Xlib connection, so it works whatever Qt platform
// plugin runs the rest.

#include <QImage>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/saver/saver_platform.h"

namespace organsaver {

class X11HostWindow {
 public:
  X11HostWindow();
  ~X11HostWindow();
  X11HostWindow(const X11HostWindow&) = delete;
  X11HostWindow& operator=(const X11HostWindow&) = delete;

  // None for a missing display or anything that is not a window. The default
  // root stands for the desktop: the virtual root when there is one.
  std::optional<PixelSize> ClientSize(HostWindow host);
  // A child window in a foreign host; on the desktop no window of its own.
  bool CreateChild(HostWindow host, PixelSize size);
  bool ChildExists();  // reads the pending X events first
  void Show(const QImage& picture);
  // The face at `at` and the background everywhere else. The server keeps each
  // face picture it was sent; per call only the face is copied there and the
  // strips it left are cleared, or everything after an exposure.
  void ShowFace(const QImage& face, ScreenPoint at, QRgb background);
  void DestroyChild();

 private:
  struct Connection;
  void ReadEvents();
  std::unique_ptr<Connection> x_;
};

}  // namespace organsaver
