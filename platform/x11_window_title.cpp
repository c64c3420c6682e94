#include "platform/x11_window_title.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace platform {

void ShowTitleAsGiven(QWidget* window) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return;
  const ::Window id = static_cast<::Window>(window->winId());
  const QByteArray title = window->windowTitle().toUtf8();
  const auto bytes = reinterpret_cast<const unsigned char*>(title.constData());
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  XChangeProperty(display, id, XInternAtom(display, "_NET_WM_NAME", False), utf8, 8, PropModeReplace, bytes,
                  static_cast<int>(title.size()));
  XChangeProperty(display, id, XA_WM_NAME, utf8, 8, PropModeReplace, bytes, static_cast<int>(title.size()));
  XFlush(display);
}

}  // namespace platform
