#include "platform/saver/x11_host_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <deque>
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

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The parts of `outer` that `inner` does not cover: up to four strips.
std::vector<Rect> Uncovered(Rect outer, Rect inner) {
  std::vector<Rect> strips;
  const int top = std::clamp(inner.y, outer.y, outer.y + outer.height);
  const int bottom = std::clamp(inner.y + inner.height, outer.y, outer.y + outer.height);
  const int left = std::clamp(inner.x, outer.x, outer.x + outer.width);
  const int right = std::clamp(inner.x + inner.width, outer.x, outer.x + outer.width);
  if (top > outer.y) strips.push_back({outer.x, outer.y, outer.width, top - outer.y});
  if (bottom < outer.y + outer.height)
    strips.push_back({outer.x, bottom, outer.width, outer.y + outer.height - bottom});
  if (bottom > top) {
    if (left > outer.x) strips.push_back({outer.x, top, left - outer.x, bottom - top});
    if (right < outer.x + outer.width)
      strips.push_back({right, top, outer.x + outer.width - right, bottom - top});
  }
  return strips;
}

// Face pictures kept on the server: a second's face comes in a few variants.
constexpr size_t kKeptFacePictures = 4;

struct FacePixmap {
  qint64 key = 0;
  Pixmap pixmap = 0;
  QImage image;  // what the pixmap holds, to send the next one as a change of it
};

// The smallest rectangle holding every pixel in which the pictures differ.
Rect ChangedArea(const QImage& now, const QImage& before) {
  int top = now.height(), bottom = -1, left = now.width(), right = -1;
  for (int y = 0; y < now.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(now.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(before.constScanLine(y));
    const auto first = std::mismatch(a, a + now.width(), b);
    if (first.first == a + now.width()) continue;
    int last = now.width() - 1;
    while (a[last] == b[last]) --last;
    top = std::min(top, y);
    bottom = y;
    left = std::min(left, static_cast<int>(first.first - a));
    right = std::max(right, last);
  }
  if (bottom < 0) return {};
  return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

struct X11HostWindow::Connection {
  Display* display = nullptr;
  Window target = 0;        // where the pictures go: our child, or the desktop itself
  bool ownsTarget = false;  // a child we made, destroyed at the end
  bool targetAlive = false;
  GC gc = nullptr;
  Visual* visual = nullptr;
  int depth = 0;
  int width = 0;
  int height = 0;
  bool repaintAll = true;  // nothing shown yet, or parts exposed
  Rect lastFace;
  std::deque<FacePixmap> faces;
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

// Virtual-desktop window managers cover the root with a window of their own and
// name it in __SWM_VROOT on itself; the desktop is drawn there.
Window DesktopWindow(Display* display) {
  const Window root = DefaultRootWindow(display);
  const Atom vrootAtom = XInternAtom(display, "__SWM_VROOT", False);
  Window rootReturn = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  Window desktop = root;
  if (XQueryTree(display, root, &rootReturn, &parent, &children, &count)) {
    for (unsigned i = 0; i < count && desktop == root; ++i) {
      Atom type = 0;
      int format = 0;
      unsigned long items = 0, after = 0;
      unsigned char* value = nullptr;
      if (SucceedsOnServer(display,
                           [&] {
                             return XGetWindowProperty(display, children[i], vrootAtom, 0, 1, False,
                                                       XA_WINDOW, &type, &format, &items, &after,
                                                       &value) == Success;
                           }) &&
          type == XA_WINDOW && format == 32 && items == 1 && value) {
        desktop = *reinterpret_cast<Window*>(value);
      }
      if (value) XFree(value);
    }
  }
  if (children) XFree(children);
  return desktop;
}

Window ResolveHost(Display* display, HostWindow host) {
  switch (host.kind) {
    case HostWindow::Kind::ForeignHandle:
      return host.id > 0 && static_cast<uint64_t>(host.id) <= kLargestXId ? static_cast<Window>(host.id)
                                                                          : Window{0};
    case HostWindow::Kind::DefaultRoot: return DesktopWindow(display);
    case HostWindow::Kind::SaverWindow: break;
  }
  return 0;
}

unsigned long PixelOf(QRgb colour, const Visual* visual) {
  return PlaceChannel(qRed(colour), visual->red_mask) | PlaceChannel(qGreen(colour), visual->green_mask) |
         PlaceChannel(qBlue(colour), visual->blue_mask);
}

// Sends the part of the picture to the same place in the drawable; false when the server refused.
bool PutPicture(Display* display, Drawable drawable, GC gc, Visual* visual, int depth, const QImage& source,
                Rect part) {
  const QImage picture =
      source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
  const unsigned width = static_cast<unsigned>(picture.width());
  const unsigned height = static_cast<unsigned>(picture.height());

  // The usual 24-bit TrueColor visual takes the picture's words as they are.
  XImage* image = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr, width,
                               height, 32, 0);
  if (!image) return false;
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
      return false;
    }
    for (unsigned row = 0; row < height; ++row) {
      const QRgb* pixels = reinterpret_cast<const QRgb*>(picture.constScanLine(static_cast<int>(row)));
      for (unsigned column = 0; column < width; ++column)
        XPutPixel(image, static_cast<int>(column), static_cast<int>(row), PixelOf(pixels[column], visual));
    }
  }
  const bool shown = SucceedsOnServer(display, [&] {
    XPutImage(display, drawable, gc, image, part.x, part.y, part.x, part.y,
              static_cast<unsigned>(part.width), static_cast<unsigned>(part.height));
    return true;
  });
  if (borrowed) image->data = nullptr;  // the picture keeps its own memory
  XDestroyImage(image);
  return shown;
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

  Window target = parent;
  const bool onDesktop = host.kind == HostWindow::Kind::DefaultRoot;
  if (onDesktop) {
    // Like every screen-saver module given -root: the desktop itself, beneath
    // the other windows, which keep their input.
    if (!SucceedsOnServer(display, [&] {
          return XSelectInput(display, parent, StructureNotifyMask | ExposureMask) != 0;
        }))
      return false;
  } else {
    XSetWindowAttributes attributes{};
    attributes.background_pixmap = None;  // every frame covers it all; no flicker to grey
    attributes.event_mask = StructureNotifyMask | ExposureMask;
    target = 0;
    const bool created = SucceedsOnServer(display, [&] {
      target = XCreateWindow(display, parent, 0, 0, static_cast<unsigned>(size.width),
                             static_cast<unsigned>(size.height), 0, CopyFromParent, InputOutput,
                             CopyFromParent, CWBackPixmap | CWEventMask, &attributes);
      XMapWindow(display, target);
      return target != 0;
    });
    if (!created) {
      if (target) SucceedsOnServer(display, [&] { return XDestroyWindow(display, target) != 0; });
      return false;
    }
  }
  XWindowAttributes targetAttributes{};
  if (!XGetWindowAttributes(display, target, &targetAttributes)) {
    if (!onDesktop) SucceedsOnServer(display, [&] { return XDestroyWindow(display, target) != 0; });
    return false;
  }
  x_->target = target;
  x_->ownsTarget = !onDesktop;
  x_->targetAlive = true;
  x_->visual = targetAttributes.visual;
  x_->depth = targetAttributes.depth;
  x_->width = targetAttributes.width;
  x_->height = targetAttributes.height;
  x_->repaintAll = true;
  XGCValues values{};
  values.graphics_exposures = False;  // copies from our own pictures expose nothing
  x_->gc = XCreateGC(display, target, GCGraphicsExposures, &values);
  return true;
}

void X11HostWindow::ReadEvents() {
  if (!x_->display) return;
  while (XPending(x_->display) > 0) {
    XEvent event;
    XNextEvent(x_->display, &event);
    if (event.type == DestroyNotify) {
      if (event.xdestroywindow.window == x_->target) x_->targetAlive = false;
    } else if (event.type == Expose && event.xexpose.window == x_->target) {
      x_->repaintAll = true;
    } else if (event.type == ConfigureNotify && event.xconfigure.window == x_->target) {
      x_->width = event.xconfigure.width;
      x_->height = event.xconfigure.height;
    }
  }
}

bool X11HostWindow::ChildExists() {
  if (!x_->display || !x_->target) return false;
  ReadEvents();
  return x_->targetAlive;
}

void X11HostWindow::Show(const QImage& picture) {
  if (!x_->display || !x_->target || !x_->targetAlive || picture.isNull()) return;
  if (!PutPicture(x_->display, x_->target, x_->gc, x_->visual, x_->depth, picture,
                  {0, 0, picture.width(), picture.height()})) {
    x_->targetAlive = false;  // the window went away under us
    return;
  }
  x_->repaintAll = false;
  x_->lastFace = {0, 0, x_->width, x_->height};
}

void X11HostWindow::ShowFace(const QImage& face, ScreenPoint at, QRgb background) {
  if (!x_->display || !x_->target || !x_->targetAlive || face.isNull()) return;
  Display* display = x_->display;
  ReadEvents();

  auto kept = std::find_if(x_->faces.begin(), x_->faces.end(),
                           [&](const FacePixmap& f) { return f.key == face.cacheKey(); });
  if (kept == x_->faces.end()) {
    if (x_->faces.size() >= kKeptFacePictures) {
      XFreePixmap(display, x_->faces.front().pixmap);
      x_->faces.pop_front();
    }
    const Pixmap pixmap =
        XCreatePixmap(display, x_->target, static_cast<unsigned>(face.width()),
                      static_cast<unsigned>(face.height()), static_cast<unsigned>(x_->depth));
    // From one second to the next mostly the second hand moves: the server copies
    // the last face and is sent only the part that changed.
    Rect part{0, 0, face.width(), face.height()};
    if (!x_->faces.empty() && x_->faces.back().image.size() == face.size()) {
      const FacePixmap& last = x_->faces.back();
      XCopyArea(display, last.pixmap, pixmap, x_->gc, 0, 0, static_cast<unsigned>(face.width()),
                static_cast<unsigned>(face.height()), 0, 0);
      part = ChangedArea(face, last.image);
    }
    if (part.width > 0 && !PutPicture(display, pixmap, x_->gc, x_->visual, x_->depth, face, part)) {
      XFreePixmap(display, pixmap);
      x_->targetAlive = false;
      return;
    }
    x_->faces.push_back({face.cacheKey(), pixmap, face});
    kept = std::prev(x_->faces.end());
  }

  const Rect now{at.x, at.y, face.width(), face.height()};
  const Rect left = x_->repaintAll ? Rect{0, 0, x_->width, x_->height} : x_->lastFace;
  XSetForeground(display, x_->gc, PixelOf(background, x_->visual));
  for (const Rect& strip : Uncovered(left, now))
    XFillRectangle(display, x_->target, x_->gc, strip.x, strip.y, static_cast<unsigned>(strip.width),
                   static_cast<unsigned>(strip.height));
  XCopyArea(display, kept->pixmap, x_->target, x_->gc, 0, 0, static_cast<unsigned>(now.width),
            static_cast<unsigned>(now.height), now.x, now.y);
  // No wait for the server each frame: a window that goes away says so by its
  // DestroyNotify, read before the next frame.
  XFlush(display);
  x_->repaintAll = false;
  x_->lastFace = now;
}

void X11HostWindow::DestroyChild() {
  if (!x_->display || !x_->target) return;
  Display* display = x_->display;
  for (const FacePixmap& f : x_->faces) XFreePixmap(display, f.pixmap);
  x_->faces.clear();
  if (x_->gc) XFreeGC(display, x_->gc);
  x_->gc = nullptr;
  if (ChildExists()) {
    const Window target = x_->target;
    if (x_->ownsTarget) {
      SucceedsOnServer(display, [&] { return XDestroyWindow(display, target) != 0; });
    } else {
      // The desktop gets its own background back.
      SucceedsOnServer(display, [&] {
        XSelectInput(display, target, NoEventMask);
        return XClearArea(display, target, 0, 0, 0, 0, False) != 0;
      });
    }
  }
  x_->target = 0;
  x_->targetAlive = false;
}

}  // namespace organsaver
