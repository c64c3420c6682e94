#include "tests/saver/x11_test_host.h"

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

std::unique_ptr<X11TestHost> X11TestHost::Connect() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return nullptr;
  return std::unique_ptr<X11TestHost>(new X11TestHost(display));
}

X11TestHost::~X11TestHost() { XCloseDisplay(AsDisplay(display_)); }

uint64_t X11TestHost::CreateWindow(int width, int height) {
  Display* display = AsDisplay(display_);
  const Window window =
      XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, static_cast<unsigned>(width),
                          static_cast<unsigned>(height), 0, 0, 0);
  XMapWindow(display, window);
  XSync(display, False);
  return window;
}

void X11TestHost::DestroyWindow(uint64_t window) {
  XDestroyWindow(AsDisplay(display_), static_cast<Window>(window));
  XSync(AsDisplay(display_), False);
}

std::optional<QRgb> X11TestHost::ChildPixel(uint64_t window, int x, int y) {
  Display* display = AsDisplay(display_);
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  std::optional<QRgb> pixel;
  if (XQueryTree(display, static_cast<Window>(window), &root, &parent, &children, &count) && count == 1) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, children[0], &attributes);
    if (XImage* image = XGetImage(display, children[0], x, y, 1, 1, AllPlanes, ZPixmap)) {
      const unsigned long value = XGetPixel(image, 0, 0);
      const Visual* v = attributes.visual;
      pixel =
          qRgb(Channel(value, v->red_mask), Channel(value, v->green_mask), Channel(value, v->blue_mask));
      XDestroyImage(image);
    }
  }
  if (children) XFree(children);
  return pixel;
}

}  // namespace organsaver::test
