// Checks the delivered pictures, sounds and organ texts as the program will load
// them: exact sizes and bit depths, file structures, encodings and sound limits.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string Path(const std::string& relative) { return std::string(ASSET_SOURCE_DIR) + "/" + relative; }

std::string ReadBytes(const std::string& relative) {
  std::ifstream in(Path(relative), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t U8(const std::string& b, size_t at) { return at < b.size() ? uint8_t(b[at]) : 0; }
uint32_t U16(const std::string& b, size_t at) { return U8(b, at) | U8(b, at + 1) << 8; }
uint32_t U32(const std::string& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }
int32_t S32(const std::string& b, size_t at) { return int32_t(U32(b, at)); }

struct OrganPicture {
  int organ;
  const char* file;
  int width, height;
};

const OrganPicture kOrganPictures[] = {
    {1, "organ01.jpg", 225, 187},  {2, "organ02.jpg", 234, 171},  {3, "organ03.jpg", 202, 201},
    {4, "organ04.jpg", 206, 158},  {5, "organ05.jpg", 239, 203},  {6, "organ06.jpg", 212, 202},
    {7, "organ07.jpg", 209, 190},  {8, "organ08.jpg", 187, 201},  {9, "organ09.jpg", 119, 201},
    {10, "organ10.bmp", 211, 199}, {11, "organ11.jpg", 213, 171}, {12, "organ12.jpg", 216, 183},
};

// The frame header of a JPEG file, found by walking its marker segments.
struct JpegFrame {
  bool found = false;
  int marker = 0;  // 0xC0 for baseline
  int precision = 0, width = 0, height = 0, components = 0;
};

JpegFrame ReadJpegFrame(const std::string& b) {
  JpegFrame frame;
  if (U8(b, 0) != 0xFF || U8(b, 1) != 0xD8) return frame;
  size_t at = 2;
  while (at + 4 <= b.size()) {
    if (U8(b, at) != 0xFF) return frame;
    const int marker = int(U8(b, at + 1));
    if (marker == 0xFF) {
      ++at;
      continue;
    }  // fill byte
    const size_t length = U8(b, at + 2) << 8 | U8(b, at + 3);
    const bool startOfFrame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (startOfFrame) {
      frame.found = true;
      frame.marker = marker;
      frame.precision = int(U8(b, at + 4));
      frame.height = int(U8(b, at + 5) << 8 | U8(b, at + 6));
      frame.width = int(U8(b, at + 7) << 8 | U8(b, at + 8));
      frame.components = int(U8(b, at + 9));
      return frame;
    }
    if (marker == 0xDA || marker == 0xD9) return frame;  // scan data before any frame header
    at += 2 + length;
  }
  return frame;
}

void ExpectBaselineColourJpeg(const std::string& relative, int width, int height) {
  SCOPED_TRACE(relative);
  const std::string bytes = ReadBytes(relative);
  ASSERT_GT(bytes.size(), 3u) << "missing or empty";
  EXPECT_EQ(U8(bytes, 2), 0xFFu) << "no JPEG marker after the start-of-image";
  const JpegFrame frame = ReadJpegFrame(bytes);
  ASSERT_TRUE(frame.found) << "no JPEG frame header";
  EXPECT_EQ(frame.marker, 0xC0) << "not a baseline JPEG";
  EXPECT_EQ(frame.precision, 8);
  EXPECT_EQ(frame.components, 3) << "not 24-bit colour";
  EXPECT_EQ(frame.width, width);
  EXPECT_EQ(frame.height, height);
}

// The fields of a Windows bitmap that decide how it is read.
struct Bitmap {
  uint32_t fileSize, pixelOffset, headerSize, compression, coloursUsed;
  int32_t width, height;
  uint32_t planes, bitCount;
};

Bitmap ReadBitmapHeaders(const std::string& b) {
  return Bitmap{U32(b, 2),  U32(b, 10), U32(b, 14), U32(b, 30), U32(b, 46),
                S32(b, 18), S32(b, 22), U16(b, 26), U16(b, 28)};
}

uint32_t RowBytes(int width, uint32_t bits) { return (uint32_t(width) * bits + 31) / 32 * 4; }

void ExpectBitmap(const std::string& relative, int width, int height, uint32_t bits) {
  SCOPED_TRACE(relative);
  const std::string b = ReadBytes(relative);
  ASSERT_GE(b.size(), 54u) << "missing or shorter than the bitmap headers";
  EXPECT_EQ(b.substr(0, 2), "BM");
  const Bitmap bmp = ReadBitmapHeaders(b);
  EXPECT_EQ(bmp.fileSize, b.size());
  EXPECT_EQ(bmp.headerSize, 40u) << "not a BITMAPINFOHEADER";
  EXPECT_EQ(bmp.width, width);
  EXPECT_EQ(bmp.height, height) << "wrong height, or stored top-down";
  EXPECT_EQ(bmp.planes, 1u);
  EXPECT_EQ(bmp.bitCount, bits);
  EXPECT_EQ(bmp.compression, 0u) << "not BI_RGB";
  const uint32_t paletteEntries = bits <= 8 ? (bmp.coloursUsed ? bmp.coloursUsed : 1u << bits) : 0;
  EXPECT_LE(paletteEntries, 256u);
  EXPECT_GE(bmp.pixelOffset, 54 + 4 * paletteEntries) << "pixels overlap the palette";
  EXPECT_GE(b.size(), size_t(bmp.pixelOffset) + size_t(RowBytes(width, bits)) * size_t(std::abs(height)))
      << "pixel rows are cut short";
  if (bits == 8) {
    // Every pixel must name an entry the palette really has.
    for (int y = 0; y < std::abs(height); ++y)
      for (int x = 0; x < width; ++x) {
        const size_t at = bmp.pixelOffset + size_t(y) * RowBytes(width, 8) + size_t(x);
        ASSERT_LT(U8(b, at), paletteEntries) << "pixel " << x << "," << y;
      }
  }
}

// A drawing has text, lines and fills: many colours, and both light and dark pixels.
void ExpectDrawnPicture(const QImage& image) {
  std::set<QRgb> colours;
  int darkest = 255, lightest = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      colours.insert(c);
      darkest = std::min(darkest, qGray(c));
      lightest = std::max(lightest, qGray(c));
    }
  EXPECT_GE(colours.size(), 32u) << "too few colours for a drawing";
  EXPECT_LT(darkest, 90) << "no dark pixels: outlines or text missing";
  EXPECT_GT(lightest, 200) << "no light pixels: background missing";
}

TEST(Pictures, OrganPicturesHaveTheirSizeAndFormat) {
  for (const OrganPicture& p : kOrganPictures) {
    const std::string file = std::string("resources/pictures/") + p.file;
    if (p.organ == 10) ExpectBitmap(file, p.width, p.height, 8);
    else ExpectBaselineColourJpeg(file, p.width, p.height);
  }
}

TEST(Pictures, OrganPicturesDecodeToDrawings) {
  for (const OrganPicture& p : kOrganPictures) {
    const std::string file = std::string("resources/pictures/") + p.file;
    SCOPED_TRACE(file);
    const QImage image(QString::fromStdString(Path(file)));
    ASSERT_FALSE(image.isNull()) << "cannot be decoded";
    EXPECT_EQ(image.size(), QSize(p.width, p.height));
    ExpectDrawnPicture(image);
  }
}

// The twice-size variant of "name.ext": "name@2x.ext".
std::string TwiceSizeFile(const std::string& file) {
  const size_t dot = file.rfind('.');
  return file.substr(0, dot) + "@2x" + file.substr(dot);
}

TEST(Pictures, TwiceSizeVariantsAreTheSamePicturesDrawnLarger) {
  struct Variant {
    std::string file;
    int width, height;
    uint32_t bitmapBits;  // 0 for a JPEG
  };
  std::vector<Variant> variants = {{"decoration.jpg", 71, 196, 0}, {"appointment_button.bmp", 16, 16, 24}};
  for (const OrganPicture& p : kOrganPictures)
    variants.push_back({p.file, p.width, p.height, p.organ == 10 ? 8u : 0u});
  for (const Variant& v : variants) {
    const std::string file = "resources/pictures/" + v.file;
    const std::string twice = TwiceSizeFile(file);
    SCOPED_TRACE(twice);
    if (v.bitmapBits) ExpectBitmap(twice, 2 * v.width, 2 * v.height, v.bitmapBits);
    else ExpectBaselineColourJpeg(twice, 2 * v.width, 2 * v.height);
    const QImage large(QString::fromStdString(Path(twice)));
    const QImage small(QString::fromStdString(Path(file)));
    ASSERT_FALSE(large.isNull());
    ASSERT_FALSE(small.isNull());
    // Brought down to the plain size it must be the plain picture, up to the finer
    // drawing of edges and text.
    double difference = 0;
    for (int y = 0; y < small.height(); ++y)
      for (int x = 0; x < small.width(); ++x) {
        int r = 0, g = 0, b = 0;  // the mean of the 2 x 2 large pixels
        for (int dy = 0; dy < 2; ++dy)
          for (int dx = 0; dx < 2; ++dx) {
            const QRgb c = large.pixel(2 * x + dx, 2 * y + dy);
            r += qRed(c), g += qGreen(c), b += qBlue(c);
          }
        const QRgb a = small.pixel(x, y);
        difference += std::abs(4 * qRed(a) - r) / 4.0 + std::abs(4 * qGreen(a) - g) / 4.0 +
                      std::abs(4 * qBlue(a) - b) / 4.0;
      }
    difference /= 3.0 * small.width() * small.height();
    EXPECT_LT(difference, 12.0) << "mean difference per channel";
  }
}

// The organ picture control (225 x 187) centres a larger picture and cuts it: what it
// cuts off must hold nothing but the light background, so no name, caption or label
// is lost.
TEST(Pictures, OrganPicturesDrawNothingWhereTheControlCutsThemOff) {
  const QSize control(225, 187);
  const QColor background(252, 249, 240);
  for (const OrganPicture& p : kOrganPictures) {
    for (int scale : {1, 2}) {
      std::string file = std::string("resources/pictures/") + p.file;
      if (scale == 2) file = TwiceSizeFile(file);
      SCOPED_TRACE(file);
      const QImage image(QString::fromStdString(Path(file)));
      ASSERT_EQ(image.size(), QSize(p.width, p.height) * scale);
      // The control's own centring: integer halves of the overhang on either side.
      const int left = std::max(0, (p.width - control.width()) / 2) * scale;
      const int top = std::max(0, (p.height - control.height()) / 2) * scale;
      const QRect shown(left, top, std::min(p.width, control.width()) * scale,
                        std::min(p.height, control.height()) * scale);
      // JPEG's own noise round the frame stays well below 20; a drawn line or letter
      // differs by far more.
      int worst = 0, worstX = -1, worstY = -1;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
          if (shown.contains(x, y)) continue;
          const QRgb c = image.pixel(x, y);
          const int d =
              std::max({std::abs(qRed(c) - background.red()), std::abs(qGreen(c) - background.green()),
                        std::abs(qBlue(c) - background.blue())});
          if (d > worst) worst = d, worstX = x, worstY = y;
        }
      EXPECT_LE(worst, 20) << "off by " << worst << ", drawn at " << worstX << "," << worstY << ", outside "
                           << shown.x() << "," << shown.y() << " " << shown.width() << "x"
                           << shown.height();
    }
  }
}

TEST(Pictures, DecorationAndButtonHaveTheirSizeAndFormat) {
  ExpectBaselineColourJpeg("resources/pictures/decoration.jpg", 71, 196);
  ExpectBitmap("resources/pictures/appointment_button.bmp", 16, 16, 24);
  for (const char* file :
       {"resources/pictures/decoration.jpg", "resources/pictures/appointment_button.bmp"}) {
    SCOPED_TRACE(file);
    const QImage image(QString::fromStdString(Path(file)));
    ASSERT_FALSE(image.isNull());
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    EXPECT_GE(colours.size(), 8u) << "an empty picture";
  }
}

// The icon directory: an 8-bit and a 32-bit image for each of 48, 32, 24, 16 pixels,
// each a BITMAPINFOHEADER with doubled height, the colour bitmap and the AND mask.
TEST(Pictures, ProgramIconHoldsEightImagesWithMasks) {
  const std::string b = ReadBytes("resources/pictures/organclock.ico");
  ASSERT_GE(b.size(), 6u) << "missing";
  EXPECT_EQ(U16(b, 0), 0u);
  EXPECT_EQ(U16(b, 2), 1u) << "not an icon file";
  ASSERT_EQ(U16(b, 4), 8u);
  ASSERT_GE(b.size(), 6u + 8 * 16);

  std::set<std::pair<uint32_t, uint32_t>> found;
  for (size_t i = 0; i < 8; ++i) {
    SCOPED_TRACE("entry " + std::to_string(i));
    const size_t entry = 6 + 16 * i;
    const uint32_t size = U8(b, entry) ? U8(b, entry) : 256;
    const uint32_t bits = U16(b, entry + 6);
    const uint32_t bytes = U32(b, entry + 8), offset = U32(b, entry + 12);
    EXPECT_EQ(U8(b, entry + 1), U8(b, entry)) << "not square";
    EXPECT_EQ(U16(b, entry + 4), 1u) << "planes";
    found.insert({size, bits});
    ASSERT_LE(size_t(offset) + bytes, b.size()) << "image lies outside the file";

    EXPECT_EQ(U32(b, offset), 40u) << "not a BITMAPINFOHEADER";
    EXPECT_EQ(S32(b, offset + 4), int32_t(size));
    EXPECT_EQ(S32(b, offset + 8), int32_t(2 * size)) << "height must count colour bitmap and mask";
    EXPECT_EQ(U16(b, offset + 14), bits) << "directory and header disagree";
    EXPECT_EQ(U32(b, offset + 16), 0u) << "not BI_RGB";
    const uint32_t paletteEntries = bits == 8 ? (U32(b, offset + 32) ? U32(b, offset + 32) : 256) : 0;
    const uint32_t colourBytes = RowBytes(int(size), bits) * size;
    const uint32_t maskBytes = RowBytes(int(size), 1) * size;
    ASSERT_EQ(bytes, 40 + 4 * paletteEntries + colourBytes + maskBytes) << "no room for the AND mask";

    // A round face: the corners are see-through and the centre is solid.
    const size_t mask = offset + 40 + 4 * paletteEntries + colourBytes;
    auto maskBit = [&](uint32_t x, uint32_t yTop) {
      const uint32_t row = size - 1 - yTop;  // rows are stored bottom-up
      return (U8(b, mask + size_t(row) * RowBytes(int(size), 1) + x / 8) >> (7 - x % 8)) & 1;
    };
    EXPECT_EQ(maskBit(0, 0), 1u) << "corner is not transparent";
    EXPECT_EQ(maskBit(size / 2, size / 2), 0u) << "centre is transparent";
    if (bits == 32) {
      const size_t pixels = offset + 40;
      auto alpha = [&](uint32_t x, uint32_t yTop) {
        return U8(b, pixels + (size_t(size - 1 - yTop) * size + x) * 4 + 3);
      };
      EXPECT_EQ(alpha(0, 0), 0u);
      EXPECT_EQ(alpha(size / 2, size / 2), 255u);
    }
  }
  const std::set<std::pair<uint32_t, uint32_t>> expected{{48, 8}, {48, 32}, {32, 8}, {32, 32},
                                                         {24, 8}, {24, 32}, {16, 8}, {16, 32}};
  EXPECT_EQ(found, expected);
}

TEST(Pictures, ThemeIconsAreTransparentRoundFaces) {
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const std::string file = "resources/icons/organclock-" + std::to_string(size) + ".png";
    SCOPED_TRACE(file);
    const QImage image(QString::fromStdString(Path(file)));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(size, size));
    ASSERT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255);
  }
}

// --- Organ texts ---

struct OrganText {
  int organ;
  const char* name;   // as Windows-1252 bytes
  const char* start;  // the hour the period begins
};

const OrganText kOrganTexts[] = {
    {1, "Lunge", "03:00"},        {2, "Dickdarm", "05:00"},
    {3, "Magen", "07:00"},        {4, "Pankreas", "09:00"},
    {5, "Herz", "11:00"},         {6, "D\xFCnndarm", "13:00"},
    {7, "Blase", "15:00"},        {8, "Nieren", "17:00"},
    {9, "Pericard", "19:00"},     {10, "Drei Erw\xE4rmer", "21:00"},
    {11, "Gallenblase", "23:00"}, {12, "Leber", "01:00"},
};

std::string ReadOrganText(int organ) { return ReadBytes("data/org" + std::to_string(organ) + ".bak"); }

TEST(OrganTexts, AreWindows1252WithCrLfLineEnds) {
  for (const OrganText& t : kOrganTexts) {
    SCOPED_TRACE("org" + std::to_string(t.organ) + ".bak");
    const std::string b = ReadOrganText(t.organ);
    ASSERT_GE(b.size(), 2u) << "missing or empty";
    bool umlaut = false;
    for (size_t i = 0; i < b.size(); ++i) {
      const uint32_t c = U8(b, i);
      if (c == '\r') {
        ASSERT_EQ(U8(b, i + 1), uint32_t('\n')) << "lone CR at byte " << i;
      } else if (c == '\n') {
        ASSERT_TRUE(i > 0 && b[i - 1] == '\r') << "lone LF at byte " << i;
      } else {
        ASSERT_TRUE(c >= 0x20 && c != 0x7F) << "control byte at " << i;
        ASSERT_TRUE(c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D)
            << "byte " << i << " is undefined in Windows-1252";
        // A UTF-8 umlaut would show up as a lead byte C3 followed by a byte 80-BF.
        ASSERT_FALSE(c == 0xC3 && U8(b, i + 1) >= 0x80 && U8(b, i + 1) <= 0xBF)
            << "UTF-8 text at byte " << i;
      }
      if (c == 0xE4 || c == 0xF6 || c == 0xFC || c == 0xC4 || c == 0xD6 || c == 0xDC || c == 0xDF)
        umlaut = true;
    }
    EXPECT_TRUE(umlaut) << "no umlaut or sharp s";
    EXPECT_EQ(b.substr(b.size() - 2), "\r\n") << "last line has no line end";
    EXPECT_NE(b.size() >= 4 ? b.substr(b.size() - 4) : "", "\r\n\r\n") << "ends with an empty line";
  }
}

TEST(OrganTexts, DescribeTheirOwnOrganInParagraphs) {
  for (const OrganText& t : kOrganTexts) {
    SCOPED_TRACE("org" + std::to_string(t.organ) + ".bak");
    const std::string b = ReadOrganText(t.organ);
    EXPECT_NE(b.find(t.name), std::string::npos) << "does not name its organ";
    EXPECT_NE(b.find(t.start), std::string::npos) << "does not give its period's start " << t.start;
    size_t paragraphs = 1;
    for (size_t at = b.find("\r\n\r\n"); at != std::string::npos; at = b.find("\r\n\r\n", at + 4))
      ++paragraphs;
    EXPECT_GE(paragraphs, 3u);
    size_t words = 0;
    bool inWord = false;
    for (char c : b) {
      const bool blank = c == ' ' || c == '\r' || c == '\n';
      if (!blank && !inWord) ++words;
      inWord = !blank;
    }
    EXPECT_GE(words, 100u);
    EXPECT_LE(words, 300u);
  }
}

// --- Sounds ---

struct Wave {
  uint32_t format = 0, channels = 0, rate = 0, bits = 0, blockAlign = 0, byteRate = 0;
  std::vector<int16_t> samples;  // interleaved
  bool hasFormat = false, hasData = false;
};

Wave ReadWave(const std::string& b) {
  Wave w;
  if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return w;
  size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::string id = b.substr(at, 4);
    const uint32_t size = U32(b, at + 4);
    const size_t body = at + 8;
    if (body + size > b.size()) break;
    if (id == "fmt " && size >= 16) {
      w.hasFormat = true;
      w.format = U16(b, body);
      w.channels = U16(b, body + 2);
      w.rate = U32(b, body + 4);
      w.byteRate = U32(b, body + 8);
      w.blockAlign = U16(b, body + 12);
      w.bits = U16(b, body + 14);
    } else if (id == "data") {
      w.hasData = true;
      for (size_t i = 0; i + 1 < size; i += 2) w.samples.push_back(int16_t(U16(b, body + i)));
    }
    at = body + size + (size & 1);  // chunks are padded to even length
  }
  return w;
}

double Rms(const std::vector<int16_t>& s, size_t from, size_t to) {
  double sum = 0;
  for (size_t i = from; i < to; ++i) sum += double(s[i]) * s[i];
  return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
}

void ExpectPlayableWave(const Wave& w, double minSeconds, double maxSeconds) {
  ASSERT_TRUE(w.hasFormat && w.hasData) << "not a RIFF WAVE file with fmt and data chunks";
  EXPECT_EQ(w.format, 1u) << "not PCM";
  EXPECT_EQ(w.bits, 16u);
  EXPECT_EQ(w.rate, 44100u);
  ASSERT_TRUE(w.channels == 1 || w.channels == 2);
  EXPECT_EQ(w.blockAlign, w.channels * 2);
  EXPECT_EQ(w.byteRate, w.rate * w.blockAlign);
  const double seconds = double(w.samples.size()) / w.channels / 44100.0;
  EXPECT_GE(seconds, minSeconds);
  EXPECT_LE(seconds, maxSeconds);
  int peak = 0;
  for (int16_t s : w.samples) peak = std::max(peak, std::abs(int(s)));
  EXPECT_GT(peak, 32767 / 4) << "too quiet or silent";
  EXPECT_LT(peak, 32767) << "reaches full scale: clipped";
}

TEST(Sounds, GongIsAWarmDecayingChime) {
  const Wave w = ReadWave(ReadBytes("data/gong.wav"));
  ExpectPlayableWave(w, 2.0, 4.0);
  ASSERT_GT(w.samples.size(), 44100u);
  const size_t half = size_t{22050} * w.channels;
  EXPECT_LT(Rms(w.samples, w.samples.size() - half, w.samples.size()), Rms(w.samples, 0, half) / 4)
      << "does not die away";
}

TEST(Sounds, ReminderIsShort) {
  const Wave w = ReadWave(ReadBytes("data/hockey.wav"));
  ExpectPlayableWave(w, 0.1, 1.5);
}

}  // namespace
