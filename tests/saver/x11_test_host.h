#pragma once
// A host window of "another program" on a real X server, for the preview
// tests. Kept apart so that Xlib's macros stay out of the test files.

#include <QRgb>
#include <cstdint>
#include <memory>
#include <optional>

namespace organsaver::test {

class X11TestHost {
 public:
  // Nothing when DISPLAY names no X server.
  static std::unique_ptr<X11TestHost> Connect();
  ~X11TestHost();

  uint64_t CreateWindow(int width, int height);
  void DestroyWindow(uint64_t window);
  // The pixel of the window's only child, where the saver draws.
  std::optional<QRgb> ChildPixel(uint64_t window, int x, int y);

 private:
  explicit X11TestHost(void* display) : display_(display) {}
  void* display_;
};

}  // namespace organsaver::test
