#pragma once
// Reduction of a drawn picture to at most 256 colours, for the 8-bit bitmaps.
#include <QImage>
#include <cstdint>
#include <vector>

struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<QRgb> palette;      // at most 256 opaque colours
  std::vector<uint8_t> indices;   // width * height, top row first
  std::vector<bool> transparent;  // width * height; only set for icons with alpha
};

// Median-cut palette over the opaque pixels, then nearest-colour mapping. Pixels
// with alpha below 128 are marked transparent and get index 0.
IndexedPicture ReduceTo256Colours(const QImage& picture);
