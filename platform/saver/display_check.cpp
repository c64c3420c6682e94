#include "platform/saver/display_check.h"

// Qt before Xlib: Xlib's macros break Qt's headers.
#include <QString>
#include <QtGlobal>

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace organsaver {

namespace {

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

bool XServerAnswers() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  XCloseDisplay(display);
  return true;
}

[[noreturn]] void EndRun() {
  std::fflush(nullptr);
  std::_Exit(0);
}

// Xlib calls this when a connection breaks and would end the process with 1
// after it returns; it must not return.
int OnXConnectionLost(Display*) { EndRun(); }

// Qt says this just before it ends the process with exit(1).
constexpr std::string_view kQtConnectionBroke = "The X11 connection broke";

QtMessageHandler g_previousMessageHandler = nullptr;

void FilterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String(kQtConnectionBroke.data(), kQtConnectionBroke.size()))) EndRun();
  if (g_previousMessageHandler) g_previousMessageHandler(type, context, message);
}

}  // namespace

bool SaverDisplayReachable() {
  const char* chosen = std::getenv("QT_QPA_PLATFORM");
  if (chosen && *chosen) {
    if (std::string_view(chosen).substr(0, 3) != "xcb") return true;  // Qt's own affair
    return XServerAnswers();
  }
  // Qt takes X when DISPLAY works and may fall back to Wayland otherwise.
  if (IsSet("DISPLAY") && XServerAnswers()) return true;
  return IsSet("WAYLAND_DISPLAY");
}

void EndQuietlyWhenTheDisplayGoes() {
  XSetIOErrorHandler(OnXConnectionLost);
  g_previousMessageHandler = qInstallMessageHandler(FilterQtMessages);
}

}  // namespace organsaver
