#pragma once
// A host window of "another program" on a real X server, for the preview
// tests. Kept apart so that Xlib's macros stay out of the test files.

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace organsaver::test {

class X11TestHost {
 public:
  // Nothing when DISPLAY names no X server.
  static std::unique_ptr<X11TestHost> Connect(const char* displayName = nullptr);
  ~X11TestHost();

  uint64_t CreateWindow(int width, int height, int x = 0, int y = 0, QRgb background = 0);
  void DestroyWindow(uint64_t window);
  // The pixel of the window's only child, where the saver draws.
  std::optional<QRgb> ChildPixel(uint64_t window, int x, int y);
  // Everything the window's only child shows.
  QImage ChildImage(uint64_t window);
  // What the screen shows at (x, y) of the window, its subwindows included.
  std::optional<QRgb> Pixel(uint64_t window, int x, int y);

  uint64_t Root();
  std::vector<uint64_t> Children(uint64_t window);  // those on the screen
  void PaintBackground(uint64_t window, QRgb colour);
  // The first child of the root (or of its children) with this name.
  std::optional<uint64_t> FindWindowNamed(const std::string& name);
  // Marks the window as the virtual root, as virtual-desktop window managers do.
  void MarkVirtualRoot(uint64_t window);

 private:
  explicit X11TestHost(void* display) : display_(display) {}
  void* display_;
};

}  // namespace organsaver::test
