#include "platform/saver/x11_host_window.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <vector>

namespace organsaver {

namespace {

// Xlib's default error handler ends the process, and a bogus handle from the
// command line must not. Errors on the connections opened here are recorded
// instead; errors on anyone else's connection go to the previous handler.
// The handler is process-wide by Xlib's design, hence these globals.
std::vector<Display*> g_ownDisplays;
int g_lastErrorCode = 0;
XErrorHandler g_previousHandler = nullptr;
bool g_handlerInstalled = false;

int RecordOwnErrors(Display* display, XErrorEvent* error) {
  if (std::find(g_ownDisplays.begin(), g_ownDisplays.end(), display) != g_ownDisplays.end()) {
    g_lastErrorCode = error->error_code;
    return 0;
  }
  return g_previousHandler ? g_previousHandler(display, error) : 0;
}

// Runs the requests, waits until the server has handled them and tells
// whether any of them failed.
template <typename Requests>
bool SucceedsOnServer(Display* display, Requests requests) {
  g_lastErrorCode = 0;
  const bool accepted = requests();
  XSync(display, False);
  return accepted && g_lastErrorCode == 0;
}

constexpr uint64_t kLargestXId = 0x1FFFFFFF;  // resource ids have 29 bits

// One colour channel (0-255) placed into a TrueColor pixel by its mask.
unsigned long PlaceChannel(unsigned value, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int bits = std::popcount(mask);
  const unsigned long scaled = bits >= 8 ? static_cast<unsigned long>(value) << (bits - 8)
                                         : static_cast<unsigned long>(value) >> (8 - bits);
  return (scaled << shift) & mask;
}

}  // namespace

struct X11HostWindow::Connection {
  Display* display = nullptr;
  Window child = 0;
  bool childAlive = false;
  GC gc = nullptr;
  Visual* visual = nullptr;
  int depth = 0;
};

X11HostWindow::X11HostWindow() : x_(std::make_unique<Connection>()) {}

X11HostWindow::~X11HostWindow() {
  DestroyChild();
  if (x_->display) {
    XCloseDisplay(x_->display);
    std::erase(g_ownDisplays, x_->display);
  }
}

namespace {

Display* OpenDisplay(Display*& display) {
  if (display) return display;
  display = XOpenDisplay(nullptr);
  if (!display) return nullptr;
  if (!g_handlerInstalled) {
    g_previousHandler = XSetErrorHandler(RecordOwnErrors);
    g_handlerInstalled = true;
  }
  g_ownDisplays.push_back(display);
  return display;
}

Window ResolveHost(Display* display, HostWindow host) {
  switch (host.kind) {
    case HostWindow::Kind::ForeignHandle:
      return host.id > 0 && static_cast<uint64_t>(host.id) <= kLargestXId ? static_cast<Window>(host.id)
                                                                          : Window{0};
    case HostWindow::Kind::DefaultRoot: return DefaultRootWindow(display);
    case HostWindow::Kind::SaverWindow: break;
  }
  return 0;
}

}  // namespace

std::optional<PixelSize> X11HostWindow::ClientSize(HostWindow host) {
  Display* display = OpenDisplay(x_->display);
  if (!display) return std::nullopt;
  const Window window = ResolveHost(display, host);
  if (window == 0) return std::nullopt;
  XWindowAttributes attributes{};
  const bool ok =
      SucceedsOnServer(display, [&] { return XGetWindowAttributes(display, window, &attributes) != 0; });
  if (!ok || attributes.c_class != InputOutput) return std::nullopt;  // nothing to draw on
  return PixelSize{attributes.width, attributes.height};
}

bool X11HostWindow::CreateChild(HostWindow host, PixelSize size) {
  DestroyChild();
  Display* display = OpenDisplay(x_->display);
  if (!display || size.width <= 0 || size.height <= 0) return false;
  const Window parent = ResolveHost(display, host);
  if (parent == 0) return false;

  XSetWindowAttributes attributes{};
  attributes.background_pixmap = None;  // every frame covers it all; no flicker to grey
  attributes.event_mask = StructureNotifyMask;
  // A child of the root would be a top-level window; keep the window manager out.
  attributes.override_redirect = host.kind == HostWindow::Kind::DefaultRoot ? True : False;
  Window child = 0;
  const bool created = SucceedsOnServer(display, [&] {
    child = XCreateWindow(display, parent, 0, 0, static_cast<unsigned>(size.width),
                          static_cast<unsigned>(size.height), 0, CopyFromParent, InputOutput,
                          CopyFromParent, CWBackPixmap | CWEventMask | CWOverrideRedirect, &attributes);
    XMapWindow(display, child);
    return child != 0;
  });
  XWindowAttributes childAttributes{};
  if (!created || !XGetWindowAttributes(display, child, &childAttributes)) {
    if (child) SucceedsOnServer(display, [&] { return XDestroyWindow(display, child) != 0; });
    return false;
  }
  x_->child = child;
  x_->childAlive = true;
  x_->visual = childAttributes.visual;
  x_->depth = childAttributes.depth;
  x_->gc = XCreateGC(display, child, 0, nullptr);
  return true;
}

bool X11HostWindow::ChildExists() {
  if (!x_->display || !x_->child) return false;
  while (XPending(x_->display) > 0) {
    XEvent event;
    XNextEvent(x_->display, &event);
    if (event.type == DestroyNotify && event.xdestroywindow.window == x_->child) x_->childAlive = false;
  }
  return x_->childAlive;
}

void X11HostWindow::Show(const QImage& source) {
  if (!x_->display || !x_->child || !x_->childAlive || source.isNull()) return;
  Display* display = x_->display;
  const QImage picture =
      source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
  const unsigned width = static_cast<unsigned>(picture.width());
  const unsigned height = static_cast<unsigned>(picture.height());
  const Visual* visual = x_->visual;

  // The usual 24-bit TrueColor visual takes the picture's words as they are.
  XImage* image = XCreateImage(display, x_->visual, static_cast<unsigned>(x_->depth), ZPixmap, 0, nullptr,
                               width, height, 32, 0);
  if (!image) return;
  const bool sameLayout = image->bits_per_pixel == 32 && visual->red_mask == 0xff0000 &&
                          visual->green_mask == 0x00ff00 && visual->blue_mask == 0x0000ff;
  bool borrowed = false;
  if (sameLayout) {
    image->data = const_cast<char*>(reinterpret_cast<const char*>(picture.constBits()));
    image->bytes_per_line = static_cast<int>(picture.bytesPerLine());
    image->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    borrowed = true;
  } else {
    image->data = static_cast<char*>(std::malloc(static_cast<size_t>(image->bytes_per_line) * height));
    if (!image->data) {
      XDestroyImage(image);
      return;
    }
    for (unsigned y = 0; y < height; ++y) {
      const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(static_cast<int>(y)));
      for (unsigned x = 0; x < width; ++x) {
        const QRgb c = row[x];
        XPutPixel(image, static_cast<int>(x), static_cast<int>(y),
                  PlaceChannel(qRed(c), visual->red_mask) | PlaceChannel(qGreen(c), visual->green_mask) |
                      PlaceChannel(qBlue(c), visual->blue_mask));
      }
    }
  }
  const bool shown = SucceedsOnServer(display, [&] {
    XPutImage(display, x_->child, x_->gc, image, 0, 0, 0, 0, width, height);
    return true;
  });
  if (borrowed) image->data = nullptr;  // the picture keeps its own memory
  XDestroyImage(image);
  if (!shown) x_->childAlive = false;  // the window went away under us
}

void X11HostWindow::DestroyChild() {
  if (!x_->display || !x_->child) return;
  Display* display = x_->display;
  if (x_->gc) XFreeGC(display, x_->gc);
  x_->gc = nullptr;
  if (ChildExists()) {
    const Window child = x_->child;
    SucceedsOnServer(display, [&] { return XDestroyWindow(display, child) != 0; });
  }
  x_->child = 0;
  x_->childAlive = false;
}

}  // namespace organsaver
