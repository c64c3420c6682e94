#include "tests/saver/x11_test_host.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace organsaver::test {

namespace {
Display* AsDisplay(void* display) { return static_cast<Display*>(display); }

// One channel of a TrueColor pixel, widened to 0-255.
int Channel(unsigned long pixel, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = __builtin_ctzl(mask);
  const int bits = __builtin_popcountl(mask);
  const unsigned long value = (pixel & mask) >> shift;
  return bits >= 8 ? static_cast<int>(value >> (bits - 8))
                   : static_cast<int>(value * 255 / ((1ul << bits) - 1));
}
}  // namespace

std::unique_ptr<X11TestHost> X11TestHost::Connect(const char* displayName) {
  Display* display = XOpenDisplay(displayName);
  if (!display) return nullptr;
  return std::unique_ptr<X11TestHost>(new X11TestHost(display));
}

X11TestHost::~X11TestHost() { XCloseDisplay(AsDisplay(display_)); }

uint64_t X11TestHost::CreateWindow(int width, int height, int x, int y, QRgb background) {
  Display* display = AsDisplay(display_);
  // The test servers are 24-bit TrueColor: the pixel value is the colour.
  const Window window =
      XCreateSimpleWindow(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(width),
                          static_cast<unsigned>(height), 0, 0, background & 0xffffff);
  XMapWindow(display, window);
  XSync(display, False);
  return window;
}

void X11TestHost::DestroyWindow(uint64_t window) {
  XDestroyWindow(AsDisplay(display_), static_cast<Window>(window));
  XSync(AsDisplay(display_), False);
}

std::optional<QRgb> X11TestHost::ChildPixel(uint64_t window, int x, int y) {
  const std::vector<uint64_t> children = Children(window);
  if (children.size() != 1) return std::nullopt;
  return Pixel(children[0], x, y);
}

QImage X11TestHost::ChildImage(uint64_t window) {
  const std::vector<uint64_t> children = Children(window);
  if (children.size() != 1) return {};
  Display* display = AsDisplay(display_);
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display, static_cast<Window>(children[0]), &attributes)) return {};
  XImage* image =
      XGetImage(display, static_cast<Window>(children[0]), 0, 0, static_cast<unsigned>(attributes.width),
                static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (!image) return {};
  QImage shown(attributes.width, attributes.height, QImage::Format_RGB32);
  const Visual* v = attributes.visual;
  for (int y = 0; y < attributes.height; ++y)
    for (int x = 0; x < attributes.width; ++x) {
      const unsigned long value = XGetPixel(image, x, y);
      shown.setPixel(
          x, y,
          qRgb(Channel(value, v->red_mask), Channel(value, v->green_mask), Channel(value, v->blue_mask)));
    }
  XDestroyImage(image);
  return shown;
}

std::optional<QRgb> X11TestHost::Pixel(uint64_t window, int x, int y) {
  Display* display = AsDisplay(display_);
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display, static_cast<Window>(window), &attributes)) return std::nullopt;
  XImage* image = XGetImage(display, static_cast<Window>(window), x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return std::nullopt;
  const unsigned long value = XGetPixel(image, 0, 0);
  const Visual* v = attributes.visual;
  XDestroyImage(image);
  return qRgb(Channel(value, v->red_mask), Channel(value, v->green_mask), Channel(value, v->blue_mask));
}

uint64_t X11TestHost::Root() { return DefaultRootWindow(AsDisplay(display_)); }

std::vector<uint64_t> X11TestHost::Children(uint64_t window) {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  std::vector<uint64_t> found;
  if (XQueryTree(AsDisplay(display_), static_cast<Window>(window), &root, &parent, &children, &count)) {
    for (unsigned i = 0; i < count; ++i) {
      XWindowAttributes attributes{};
      if (XGetWindowAttributes(AsDisplay(display_), children[i], &attributes) &&
          attributes.map_state == IsViewable)
        found.push_back(children[i]);
    }
  }
  if (children) XFree(children);
  return found;
}

std::optional<uint64_t> X11TestHost::FindWindowNamed(const std::string& name) {
  for (const uint64_t top : Children(Root())) {
    std::vector<uint64_t> candidates{top};
    for (const uint64_t inner : Children(top)) candidates.push_back(inner);
    for (const uint64_t window : candidates) {
      char* title = nullptr;
      const bool match =
          XFetchName(AsDisplay(display_), static_cast<Window>(window), &title) && title && name == title;
      if (title) XFree(title);
      if (match) return window;
    }
  }
  return std::nullopt;
}

void X11TestHost::PaintBackground(uint64_t window, QRgb colour) {
  XSetWindowBackground(AsDisplay(display_), static_cast<Window>(window), colour & 0xffffff);
  XClearWindow(AsDisplay(display_), static_cast<Window>(window));
  XSync(AsDisplay(display_), False);
}

void X11TestHost::MarkVirtualRoot(uint64_t window) {
  Display* display = AsDisplay(display_);
  const Atom vroot = XInternAtom(display, "__SWM_VROOT", False);
  const Window value = static_cast<Window>(window);
  XChangeProperty(display, value, vroot, XA_WINDOW, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&value), 1);
  XSync(display, False);
}

}  // namespace organsaver::test
