#include "platform/pictures.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPalette>
#include <QScreen>

#include <cmath>

#include <map>

#include "platform/jpeg_decoder.h"
#include "platform/object_table.h"
#include "platform/picture_table.h"
#include "platform/program_identity.h"

namespace platform {
namespace {

// Ratios above this get the twice-size drawing; at ratio 1 the plain picture is shown.
constexpr qreal kTwiceSizeRatio = 1.5;
constexpr char kJpeg[] = "JPEG";
constexpr char kIcon[] = "ICO";

// The program's embedded pictures, by the names its identity gives them.
const char* EmbeddedPictureName(int picture) {
  const auto names = CurrentProgramIdentity().embeddedPictures.plain;
  return names ? names(picture) : nullptr;
}

const char* EmbeddedTwiceSizePictureName(int picture) {
  const auto names = CurrentProgramIdentity().embeddedPictures.twiceSize;
  return names ? names(picture) : nullptr;
}

const char* const* EmbeddedIconSizeNames(int picture) {
  static const char* const kNone[] = {nullptr};
  const auto names = CurrentProgramIdentity().embeddedPictures.iconSizes;
  return names ? names(picture) : kNone;
}

bool ReadResource(const char* name, QByteArray& data) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return false;
  data = file.readAll();
  return true;
}

// The format a resource's name tells, to be named to the reader (see ReadPictureFile).
const char* FormatOfResource(const char* name) {
  const QString path = QString::fromLatin1(name);
  if (path.endsWith(".jpg")) return kJpeg;
  if (path.endsWith(".bmp")) return "BMP";
  if (path.endsWith(".png")) return "PNG";
  if (path.endsWith(".ico")) return kIcon;
  return nullptr;
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

// Notes resource `name` in `pending`, to be read and decoded when first needed.
bool KeepPending(const char* name, PendingPicture& pending) {
  const char* format = name ? FormatOfResource(name) : nullptr;
  if (!format || !QFile::exists(QString::fromLatin1(name))) return false;
  pending = {name, format};
  return true;
}

// Reads and decodes the picture still pending for `target`, once.
void DecodePending(PendingPicture& pending, QImage& target) {
  if (!pending.resource) return;
  const PendingPicture taken = pending;
  pending = {};
  // JPEGs go through libjpeg, the other formats through the toolkit's own readers.
  if (taken.format != kJpeg) {
    target = ReadPictureFile(taken.resource, taken.format);
    return;
  }
  QByteArray data;
  if (ReadResource(taken.resource, data))
    DecodeInto(target, std::string(data.constData(), static_cast<size_t>(data.size())));
}

// The plain or the twice-size image of `picture`, decoded first if still pending; null
// where there is none.
QImage* FindDecoded(int picture, bool twiceSize) {
  auto it = Pictures().find(picture);
  if (it == Pictures().end()) return nullptr;
  PictureEntry& entry = it->second;
  QImage& image = twiceSize ? entry.twice : entry.image;
  DecodePending(twiceSize ? entry.pendingTwice : entry.pending, image);
  return image.isNull() ? nullptr : &image;
}

const QImage* FindTwiceSizePicture(int picture) { return FindDecoded(picture, true); }

// Every size of an icon, from the PNG drawings named beside it. The icon file holds the
// same drawings at 16 to 48 pixels, but reading it would load every picture plug-in
// the toolkit has (the icon reader among them), which cost more than all the rest of
// the pictures together.
QIcon ReadIcon(int picture) {
  QIcon icon;
  for (const char* const* size = EmbeddedIconSizeNames(picture); *size; ++size) {
    const QImage image = ReadPictureFile(*size, FormatOfResource(*size));
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace

std::map<int, PictureEntry>& Pictures() {
  static std::map<int, PictureEntry> pictures;
  return pictures;
}

QImage ReadPictureFile(const QString& path, const char* format) {
  QImageReader reader(path, format);
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

// Only the main thread decodes pending pictures; pictures drawn on other threads are never
// pending, and a failed decode leaves the entry empty rather than changing the table.
QImage* FindPicture(int picture) { return FindDecoded(picture, false); }

QImage TakePictureForHandOver(int picture) {
  auto it = Pictures().find(picture);
  if (it == Pictures().end() || it->second.image.isNull()) return {};
  PictureEntry& entry = it->second;
  if (entry.spare.size() != entry.image.size() || entry.spare.format() != entry.image.format()) {
    entry.spare = QImage(entry.image.size(), entry.image.format());
    entry.spare.setDevicePixelRatio(entry.image.devicePixelRatio());
  }
  QImage handed = entry.image;  // shares the pixels; the next drawing detaches if needed
  std::swap(entry.image, entry.spare);
  return handed;
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
  const QImage* image = FindPicture(picture);
  if (!image) return {};
  QIcon icon(QPixmap::fromImage(*image));
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

// Pictures are decoded when first shown: start-up then pays only for the pictures it
// shows. An icon is read whole at once, since its window needs every size.
bool DecodeEmbeddedPicture(int picture) {
  Pictures().erase(picture);
  const char* name = EmbeddedPictureName(picture);
  const char* format = name ? FormatOfResource(name) : nullptr;
  if (format == kIcon) {
    PictureEntry entry;
    entry.icon = ReadIcon(picture);
    if (entry.icon.isNull()) return false;
    entry.image = entry.icon.pixmap(48, 48).toImage();
    Pictures()[picture] = std::move(entry);
    return true;
  }
  PictureEntry entry;
  if (!KeepPending(name, entry.pending)) return false;
  KeepPending(EmbeddedTwiceSizePictureName(picture), entry.pendingTwice);
  Pictures()[picture] = std::move(entry);
  return true;
}

bool CreateBlankPicture(int picture, int width, int height, double pixelRatio) {
  if (!(pixelRatio >= 1.0 && pixelRatio <= 8.0)) pixelRatio = 1.0;
  QImage image(static_cast<int>(std::ceil(width * pixelRatio)),
               static_cast<int>(std::ceil(height * pixelRatio)), QImage::Format_RGB32);
  image.setDevicePixelRatio(pixelRatio);
  image.fill(Qt::white);
  PictureEntry entry;
  entry.image = std::move(image);
  Pictures()[picture] = std::move(entry);
  return true;
}

bool PictureExists(int picture) { return FindPicture(picture) != nullptr; }
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

double ScreenPixelRatio() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->devicePixelRatio() : 1.0;
}

Rgb ButtonFaceColour() {
  // The toolkit paints windows in the palette's window colour, which a dark theme may
  // set apart from its button colour.
  const QColor c = QApplication::palette().color(QPalette::Active, QPalette::Window);
  return {c.red(), c.green(), c.blue()};
}

}  // namespace platform
