#include "saver/pixel_drawing.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace organsaver {

namespace {

// Pixels are compared without the alpha byte, which RGB32 leaves at 0xff.
constexpr QRgb kColourMask = 0x00ffffff;

inline QRgb* Row(QImage& picture, int y) { return reinterpret_cast<QRgb*>(picture.scanLine(y)); }

inline void PutPixel(QImage& picture, int x, int y, QRgb colour) {
  if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) return;
  Row(picture, y)[x] = colour;
}

void FillSpan(QImage& picture, int y, int x1, int x2, QRgb colour) {
  if (y < 0 || y >= picture.height()) return;
  x1 = std::max(x1, 0);
  x2 = std::min(x2, picture.width() - 1);
  if (x1 > x2) return;
  std::fill(Row(picture, y) + x1, Row(picture, y) + x2 + 1, colour);
}

// Midpoint circle: calls visit(dx, dy) for one octant, 0 <= dy <= dx.
template <typename Visit>
void ForCircleOctant(int radius, Visit visit) {
  int x = radius;
  int y = 0;
  int error = 1 - radius;
  while (x >= y) {
    visit(x, y);
    ++y;
    if (error < 0) {
      error += 2 * y + 1;
    } else {
      --x;
      error += 2 * (y - x) + 1;
    }
  }
}

}  // namespace

void DrawLine(QImage& picture, DialPoint a, DialPoint b, QRgb colour) {
  if (picture.isNull()) return;
  // Bresenham, clipped pixel by pixel: every point of the face lies within R
  // of a centre on the picture, so no line is much longer than the picture.
  const int dx = std::abs(b.x - a.x);
  const int dy = -std::abs(b.y - a.y);
  const int stepX = a.x < b.x ? 1 : -1;
  const int stepY = a.y < b.y ? 1 : -1;
  int error = dx + dy;
  int x = a.x;
  int y = a.y;
  for (;;) {
    PutPixel(picture, x, y, colour);
    if (x == b.x && y == b.y) break;
    const int doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      x += stepX;
    }
    if (doubled <= dx) {
      error += dx;
      y += stepY;
    }
  }
}

void DrawCircleOutline(QImage& picture, DialPoint c, int radius, QRgb colour) {
  if (picture.isNull() || radius < 0) return;
  ForCircleOctant(radius, [&](int x, int y) {
    PutPixel(picture, c.x + x, c.y + y, colour);
    PutPixel(picture, c.x - x, c.y + y, colour);
    PutPixel(picture, c.x + x, c.y - y, colour);
    PutPixel(picture, c.x - x, c.y - y, colour);
    PutPixel(picture, c.x + y, c.y + x, colour);
    PutPixel(picture, c.x - y, c.y + x, colour);
    PutPixel(picture, c.x + y, c.y - x, colour);
    PutPixel(picture, c.x - y, c.y - x, colour);
  });
}

void DrawFilledDisc(QImage& picture, DialPoint c, int radius, QRgb colour) {
  if (picture.isNull() || radius < 0) return;
  ForCircleOctant(radius, [&](int x, int y) {
    FillSpan(picture, c.y + y, c.x - x, c.x + x, colour);
    FillSpan(picture, c.y - y, c.x - x, c.x + x, colour);
    FillSpan(picture, c.y + x, c.x - y, c.x + y, colour);
    FillSpan(picture, c.y - x, c.x - y, c.x + y, colour);
  });
}

void FloodFillBoundedByColour(QImage& picture, DialPoint seed, QRgb colour) {
  const int width = picture.width();
  const int height = picture.height();
  if (seed.x < 0 || seed.y < 0 || seed.x >= width || seed.y >= height) return;
  const QRgb target = colour & kColourMask;
  auto open = [&](const QRgb* row, int x) { return (row[x] & kColourMask) != target; };
  if (!open(Row(picture, seed.y), seed.x)) return;

  // Scanline fill: each stacked seed grows into a whole horizontal run, then
  // the rows above and below are searched for runs still open.
  std::vector<DialPoint> seeds{seed};
  while (!seeds.empty()) {
    const DialPoint s = seeds.back();
    seeds.pop_back();
    QRgb* row = Row(picture, s.y);
    if (!open(row, s.x)) continue;
    int left = s.x;
    while (left > 0 && open(row, left - 1)) --left;
    int right = s.x;
    while (right + 1 < width && open(row, right + 1)) ++right;
    std::fill(row + left, row + right + 1, colour);
    for (int ny : {s.y - 1, s.y + 1}) {
      if (ny < 0 || ny >= height) continue;
      const QRgb* next = Row(picture, ny);
      bool inRun = false;
      for (int x = left; x <= right; ++x) {
        if (open(next, x)) {
          if (!inRun) seeds.push_back({x, ny});
          inRun = true;
        } else {
          inRun = false;
        }
      }
    }
  }
}

}  // namespace organsaver
