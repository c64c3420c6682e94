#include "picture_files.h"

#include <cstdint>
#include <fstream>

namespace {

class Bytes {
 public:
  void u8(uint32_t v) { data_.push_back(char(v & 0xff)); }
  void u16(uint32_t v) {
    u8(v);
    u8(v >> 8);
  }
  void u32(uint32_t v) {
    u16(v);
    u16(v >> 16);
  }
  void zeros(size_t n) { data_.append(n, '\0'); }
  void append(const Bytes& other) { data_ += other.data_; }
  size_t size() const { return data_.size(); }
  const std::string& str() const { return data_; }

 private:
  std::string data_;
};

bool Save(const Bytes& bytes, const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.str().data(), std::streamsize(bytes.size()));
  return bool(out);
}

// Every bitmap row is padded to a multiple of four bytes.
uint32_t RowBytes(int width, int bitsPerPixel) { return uint32_t((width * bitsPerPixel + 31) / 32 * 4); }

void InfoHeader(Bytes& b, int width, int height, int bits, uint32_t imageBytes, uint32_t coloursUsed) {
  b.u32(40);  // biSize
  b.u32(uint32_t(width));
  b.u32(uint32_t(height));  // positive: rows are stored bottom-up
  b.u16(1);                 // biPlanes
  b.u16(uint32_t(bits));
  b.u32(0);  // BI_RGB
  b.u32(imageBytes);
  b.u32(3780);  // 96 dpi in pixels per metre
  b.u32(3780);
  b.u32(coloursUsed);
  b.u32(0);  // all colours important
}

void Palette256(Bytes& b, const std::vector<QRgb>& palette) {
  for (size_t i = 0; i < 256; ++i) {
    const QRgb c = i < palette.size() ? palette[i] : 0;
    b.u8(uint32_t(qBlue(c)));
    b.u8(uint32_t(qGreen(c)));
    b.u8(uint32_t(qRed(c)));
    b.u8(0);
  }
}

void Pixels8(Bytes& b, const IndexedPicture& p) {
  const uint32_t pad = RowBytes(p.width, 8) - uint32_t(p.width);
  for (int y = p.height - 1; y >= 0; --y) {
    for (int x = 0; x < p.width; ++x) b.u8(p.indices[size_t(y) * size_t(p.width) + size_t(x)]);
    b.zeros(pad);
  }
}

// The 1-bit AND mask of an icon: a set bit lets the background show through.
void AndMask(Bytes& b, int size, const std::vector<bool>& transparent) {
  const uint32_t rowBytes = RowBytes(size, 1);
  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(rowBytes, 0);
    for (int x = 0; x < size; ++x)
      if (transparent[size_t(y) * size_t(size) + size_t(x)]) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
    for (uint8_t v : row) b.u8(v);
  }
}

void FileHeader(Bytes& b, uint32_t fileSize, uint32_t pixelOffset) {
  b.u8('B');
  b.u8('M');
  b.u32(fileSize);
  b.u32(0);
  b.u32(pixelOffset);
}

Bytes IconImage8(const IndexedPicture& p) {
  const int s = p.width;
  Bytes b;
  const uint32_t bytes = RowBytes(s, 8) * uint32_t(s) + RowBytes(s, 1) * uint32_t(s);
  InfoHeader(b, s, 2 * s, 8, bytes, 256);  // doubled height: XOR bitmap plus AND mask
  Palette256(b, p.palette);
  Pixels8(b, p);
  AndMask(b, s, p.transparent);
  return b;
}

Bytes IconImage32(const QImage& source) {
  const QImage picture = source.convertToFormat(QImage::Format_ARGB32);  // straight alpha
  const int s = picture.width();
  Bytes b;
  const uint32_t bytes = uint32_t(s * s * 4) + RowBytes(s, 1) * uint32_t(s);
  InfoHeader(b, s, 2 * s, 32, bytes, 0);
  std::vector<bool> transparent(size_t(s) * size_t(s));
  for (int y = s - 1; y >= 0; --y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < s; ++x) {
      b.u8(uint32_t(qBlue(row[x])));
      b.u8(uint32_t(qGreen(row[x])));
      b.u8(uint32_t(qRed(row[x])));
      b.u8(uint32_t(qAlpha(row[x])));
    }
  }
  for (int y = 0; y < s; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < s; ++x) transparent[size_t(y) * size_t(s) + size_t(x)] = qAlpha(row[x]) < 128;
  }
  AndMask(b, s, transparent);
  return b;
}

}  // namespace

bool WriteBmp24(const QImage& source, const std::string& path) {
  const QImage picture = source.convertToFormat(QImage::Format_RGB32);
  const int w = picture.width(), h = picture.height();
  const uint32_t rowBytes = RowBytes(w, 24);
  const uint32_t pixelBytes = rowBytes * uint32_t(h);
  Bytes b;
  FileHeader(b, 14 + 40 + pixelBytes, 14 + 40);
  InfoHeader(b, w, h, 24, pixelBytes, 0);
  for (int y = h - 1; y >= 0; --y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      b.u8(uint32_t(qBlue(row[x])));
      b.u8(uint32_t(qGreen(row[x])));
      b.u8(uint32_t(qRed(row[x])));
    }
    b.zeros(rowBytes - uint32_t(3 * w));
  }
  return Save(b, path);
}

bool WriteBmp8(const IndexedPicture& picture, const std::string& path) {
  const uint32_t pixelBytes = RowBytes(picture.width, 8) * uint32_t(picture.height);
  const uint32_t offset = 14 + 40 + 256 * 4;
  Bytes b;
  FileHeader(b, offset + pixelBytes, offset);
  InfoHeader(b, picture.width, picture.height, 8, pixelBytes, 256);
  Palette256(b, picture.palette);
  Pixels8(b, picture);
  return Save(b, path);
}

bool WriteIco(const std::vector<IconSize>& sizes, const std::string& path) {
  std::vector<std::pair<Bytes, int>> images;  // image bytes and bit count
  std::vector<int> dims;
  for (const IconSize& size : sizes) {
    images.emplace_back(IconImage8(size.indexed), 8);
    dims.push_back(size.indexed.width);
    images.emplace_back(IconImage32(size.trueColour), 32);
    dims.push_back(size.trueColour.width());
  }
  Bytes b;
  b.u16(0);  // reserved
  b.u16(1);  // type: icon
  b.u16(uint32_t(images.size()));
  uint32_t offset = uint32_t(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const uint32_t d = uint32_t(dims[i]);
    b.u8(d >= 256 ? 0 : d);  // width; 0 stands for 256
    b.u8(d >= 256 ? 0 : d);  // height
    b.u8(0);                 // colour count: 0 for 256 and more
    b.u8(0);                 // reserved
    b.u16(1);                // planes
    b.u16(uint32_t(images[i].second));
    b.u32(uint32_t(images[i].first.size()));
    b.u32(offset);
    offset += uint32_t(images[i].first.size());
  }
  for (const auto& image : images) b.append(image.first);
  return Save(b, path);
}
