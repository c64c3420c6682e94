#pragma once
// Drawing into a window of another program on X11 (the preview host, the
// window XScreenSaver hands over): a child window at (0, 0) shows the picture,
// and ceases to exist when the host is destroyed. Uses its own Xlib
// connection, so it works whatever Qt platform plugin runs the rest.

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

  // None for a missing display or anything that is not a window.
  std::optional<PixelSize> ClientSize(HostWindow host);
  bool CreateChild(HostWindow host, PixelSize size);
  bool ChildExists();  // reads the pending X events first
  void Show(const QImage& picture);
  void DestroyChild();

 private:
  struct Connection;
  std::unique_ptr<Connection> x_;
};

}  // namespace organsaver
