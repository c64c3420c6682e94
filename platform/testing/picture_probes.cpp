// The pictures and fonts as drawn.
#include <QFont>
#include <QImage>

#include <cmath>

#include "platform/object_table.h"
#include "platform/picture_table.h"
#include "platform/testing/test_probes.h"

namespace platform {

bool IsPictureDecoded(int picture, bool twiceSize) {
  auto it = Pictures().find(picture);
  if (it == Pictures().end()) return false;
  const PictureEntry& entry = it->second;
  return twiceSize ? !entry.twice.isNull() : !entry.image.isNull();
}

int PictureWidth(int picture) {
  const QImage* image = FindPicture(picture);
  return image ? static_cast<int>(std::lround(image->deviceIndependentSize().width())) : 0;
}

int PictureHeight(int picture) {
  const QImage* image = FindPicture(picture);
  return image ? static_cast<int>(std::lround(image->deviceIndependentSize().height())) : 0;
}

Rgb PicturePixel(int picture, int x, int y) {
  QImage* image = FindPicture(picture);
  if (!image || !image->valid(x, y)) return {};
  const QColor c = image->pixelColor(x, y);
  return {c.red(), c.green(), c.blue()};
}

int FontPixelHeight(int font) {
  const QFont* f = FindFont(font);
  return f ? f->pixelSize() : 0;
}

}  // namespace platform
