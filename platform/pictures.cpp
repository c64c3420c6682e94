#include "platform/pictures.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QPalette>
#include <QScreen>

#include <cmath>

#include <map>

#include "platform/jpeg_decoder.h"
#include "platform/object_table.h"
#include "platform/test_probes.h"
#include "resources/resource_names.h"

namespace platform {
namespace {

struct PictureEntry {
  QImage image;
  QIcon icon;               // all sizes of an icon picture
  std::string pendingJpeg;  // embedded JPEG not decoded yet
  // The embedded twice-size drawing for dense screens, decoded when first needed.
  QImage twice;
  std::string pendingTwiceJpeg;
};

// Ratios above this get the twice-size drawing; at ratio 1 the plain picture is shown.
constexpr qreal kTwiceSizeRatio = 1.5;

std::map<int, PictureEntry>& Pictures() {
  static std::map<int, PictureEntry> pictures;
  return pictures;
}

bool ReadResource(const char* name, QByteArray& data) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return false;
  data = file.readAll();
  return true;
}

bool DecodeInto(QImage& target, const std::string& jpegBytes) {
  DecodedJpeg decoded;
  if (!DecodeJpeg(jpegBytes, decoded)) return false;
  QImage image(decoded.width, decoded.height, QImage::Format_RGB32);
  const size_t rowBytes = static_cast<size_t>(decoded.width) * 4;
  for (int y = 0; y < decoded.height; ++y)
    memcpy(image.scanLine(y), decoded.bgrx.data() + static_cast<size_t>(y) * rowBytes, rowBytes);
  target = std::move(image);
  return true;
}
bool DecodeInto(PictureEntry& entry, const std::string& jpegBytes) {
  return DecodeInto(entry.image, jpegBytes);
}

// Keeps the twice-size drawing of embedded picture `picture` in `entry`, if it has one.
void ReadTwiceSize(int picture, PictureEntry& entry) {
  const char* name = EmbeddedTwiceSizePictureName(picture);
  QByteArray data;
  if (!name || !ReadResource(name, data)) return;
  if (QString::fromLatin1(name).endsWith(".jpg"))
    entry.pendingTwiceJpeg.assign(data.constData(), static_cast<size_t>(data.size()));
  else entry.twice = QImage::fromData(data);
}

// Decodes the JPEG bytes still pending for `target`, once.
void DecodePending(std::string& pending, QImage& target) {
  if (pending.empty()) return;
  const std::string bytes = std::move(pending);
  pending.clear();
  DecodeInto(target, bytes);
}

const QImage* FindTwiceSizePicture(int picture) {
  auto it = Pictures().find(picture);
  if (it == Pictures().end()) return nullptr;
  PictureEntry& entry = it->second;
  DecodePending(entry.pendingTwiceJpeg, entry.twice);
  return entry.twice.isNull() ? nullptr : &entry.twice;
}

}  // namespace

// Embedded JPEGs are decoded when first shown: start-up then pays only for the pictures
// it shows. Only the main thread uses them; pictures drawn on other threads are never
// pending, and a failed decode leaves the entry empty rather than changing the table.
QImage* FindPicture(int picture) {
  auto it = Pictures().find(picture);
  if (it == Pictures().end()) return nullptr;
  PictureEntry& entry = it->second;
  DecodePending(entry.pendingJpeg, entry.image);
  return entry.image.isNull() ? nullptr : &entry.image;
}

QPixmap PictureForScreen(int picture, qreal devicePixelRatio) {
  const QImage* image = FindPicture(picture);
  if (!image) return {};
  if (devicePixelRatio > kTwiceSizeRatio) {
    if (const QImage* twice = FindTwiceSizePicture(picture)) {
      QPixmap pixmap = QPixmap::fromImage(*twice);
      pixmap.setDevicePixelRatio(2);  // laid out at the plain size
      return pixmap;
    }
  }
  return QPixmap::fromImage(*image);
}

QIcon PictureIcon(int picture) {
  auto it = Pictures().find(picture);
  if (it == Pictures().end()) return {};
  if (!it->second.icon.isNull()) return it->second.icon;
  QIcon icon(QPixmap::fromImage(it->second.image));
  if (const QImage* twice = FindTwiceSizePicture(picture)) {
    QPixmap pixmap = QPixmap::fromImage(*twice);
    pixmap.setDevicePixelRatio(2);
    icon.addPixmap(pixmap);
  }
  return icon;
}

bool DecodeJpegPicture(int picture, const std::string& jpegBytes) {
  Pictures().erase(picture);
  PictureEntry entry;
  if (!DecodeInto(entry, jpegBytes)) return false;
  Pictures()[picture] = std::move(entry);
  return true;
}

bool DecodeEmbeddedPicture(int picture) {
  const char* name = EmbeddedPictureName(picture);
  QByteArray data;
  if (!name || !ReadResource(name, data)) {
    Pictures().erase(picture);
    return false;
  }
  const QString path = QString::fromLatin1(name);
  Pictures().erase(picture);
  if (path.endsWith(".jpg")) {
    PictureEntry& entry = Pictures()[picture];
    entry.pendingJpeg.assign(data.constData(), static_cast<size_t>(data.size()));
    ReadTwiceSize(picture, entry);
    return true;
  }
  PictureEntry entry;
  if (path.endsWith(".ico")) {
    entry.icon = QIcon(path);
    if (entry.icon.isNull()) return false;
    for (const char* const* size = EmbeddedIconSizeNames(picture); *size; ++size)
      entry.icon.addFile(QString::fromLatin1(*size));
    entry.image = entry.icon.pixmap(48, 48).toImage();
  } else {
    entry.image = QImage::fromData(data);
    if (entry.image.isNull()) return false;
    ReadTwiceSize(picture, entry);
  }
  Pictures()[picture] = entry;
  return true;
}

bool CreateBlankPicture(int picture, int width, int height, double pixelRatio) {
  if (!(pixelRatio >= 1.0 && pixelRatio <= 8.0)) pixelRatio = 1.0;
  QImage image(static_cast<int>(std::ceil(width * pixelRatio)),
               static_cast<int>(std::ceil(height * pixelRatio)), QImage::Format_RGB32);
  image.setDevicePixelRatio(pixelRatio);
  image.fill(Qt::white);
  Pictures()[picture] = PictureEntry{image, {}};
  return true;
}

bool PictureExists(int picture) { return FindPicture(picture) != nullptr; }
int PictureWidth(int picture) {
  const QImage* image = FindPicture(picture);
  return image ? static_cast<int>(std::lround(image->deviceIndependentSize().width())) : 0;
}
int PictureHeight(int picture) {
  const QImage* image = FindPicture(picture);
  return image ? static_cast<int>(std::lround(image->deviceIndependentSize().height())) : 0;
}
double PicturePixelRatio(int picture) {
  const QImage* image = FindPicture(picture);
  return image ? image->devicePixelRatio() : 0.0;
}
void FreePicture(int picture) { Pictures().erase(picture); }
void FreeAllPictures() { Pictures().clear(); }

void FillPictureRect(int picture, int x, int y, int width, int height, Rgb colour) {
  QImage* image = FindPicture(picture);
  if (!image) return;
  QPainter painter(image);
  painter.fillRect(x, y, width, height, QColor(colour.r, colour.g, colour.b));
}

int TextWidth(int font, const std::string& text) {
  const QFont* f = FindFont(font);
  QFontMetrics metrics(f ? *f : QApplication::font());
  return metrics.horizontalAdvance(ToQt(text));
}

void DrawPictureText(int picture, int font, int x, int y, Rgb colour, const std::string& text) {
  QImage* image = FindPicture(picture);
  if (!image) return;
  QPainter painter(image);
  const QFont* f = FindFont(font);
  painter.setFont(f ? *f : QApplication::font());
  painter.setPen(QColor(colour.r, colour.g, colour.b));
  const QFontMetrics metrics(painter.font());
  painter.drawText(x, y + metrics.ascent(), ToQt(text));
}

Rgb PicturePixel(int picture, int x, int y) {
  QImage* image = FindPicture(picture);
  if (!image || !image->valid(x, y)) return {};
  const QColor c = image->pixelColor(x, y);
  return {c.red(), c.green(), c.blue()};
}

double ScreenPixelRatio() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->devicePixelRatio() : 1.0;
}

Rgb ButtonFaceColour() {
  const QColor c = QApplication::palette().color(QPalette::Active, QPalette::Button);
  return {c.red(), c.green(), c.blue()};
}

}  // namespace platform
