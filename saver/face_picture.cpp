#include "saver/face_picture.h"

#include <QFontMetrics>
#include <algorithm>

#include "saver/pixel_drawing.h"

namespace organsaver {

namespace {

bool ShowsTheSame(const FacePictures& pictures, const ClockDisplay& display, const LocalTime& now) {
  const ClockTexts& t = display.texts;
  return pictures.hour == now.hour && pictures.minute == now.minute && pictures.second == now.second &&
         pictures.texts.organName == t.organName && pictures.texts.organPeriod == t.organPeriod &&
         pictures.texts.dateLine == t.dateLine && pictures.texts.weekdayText == t.weekdayText;
}

// Half the picture's side: the ring, and the date line where a large font
// takes it beyond the ring. Even, so that a centre of either parity fits.
int HalfSide(const ClockDisplay& display, int dateLineDrop) {
  int half = display.layout.faceRadius + 2;
  if (display.style == FaceStyle::FullScreen && !display.texts.dateLine.empty()) {
    const QFontMetrics metrics(display.fonts[kDateLineFont]);
    const int textWidth = metrics.horizontalAdvance(QString::fromStdString(display.texts.dateLine));
    half = std::max({half, textWidth / 2 + metrics.height(), std::abs(dateLineDrop) + metrics.height()});
  }
  return half + half % 2;
}

// True when `moved` is `base` moved right by dx and down by dy (each 0 or 1, or
// -1 for left and up): the pictures' borders are background, so the column and
// row that move out must be background too.
bool IsMovedCopy(const QImage& moved, const QImage& base, int dx, int dy) {
  if (moved.size() != base.size()) return false;
  const int width = base.width();
  const int overlap = width - std::abs(dx);
  for (int y = 0; y < base.height(); ++y) {
    const int from = y - dy;
    if (from < 0 || from >= base.height()) continue;
    const auto* a = reinterpret_cast<const QRgb*>(moved.constScanLine(y)) + std::max(dx, 0);
    const auto* b = reinterpret_cast<const QRgb*>(base.constScanLine(from)) + std::max(-dx, 0);
    if (!std::equal(a, a + overlap, b)) return false;
  }
  return true;
}

FacePictures::Variant DrawVariant(const ClockDisplay& display, FacePictures& pictures,
                                  DialPoint screenCentre, int dateLineDrop, const LocalTime& now) {
  FacePictures::Variant v;
  v.parityX = screenCentre.x & 1;
  v.parityY = screenCentre.y & 1;
  v.dateLineDrop = dateLineDrop;
  const int half = HalfSide(display, dateLineDrop);
  v.centre = {half + v.parityX, half + v.parityY};
  const QSize size(2 * half + 2, 2 * half + 2);
  if (pictures.scratch.size() != size) pictures.scratch = QImage(size, QImage::Format_RGB32);
  pictures.scratch.fill(ToQRgb(display.colours.background));
  DrawClockFace(display, pictures.scratch, v.centre, dateLineDrop, now);
  for (size_t i = 0; i < pictures.variants.size(); ++i) {
    const FacePictures::Variant& other = pictures.variants[i];
    if (other.sameAs >= 0) continue;
    if (IsMovedCopy(pictures.scratch, other.picture, v.centre.x - other.centre.x,
                    v.centre.y - other.centre.y)) {
      v.sameAs = static_cast<int>(i);
      return v;
    }
  }
  v.picture = std::move(pictures.scratch);
  pictures.scratch = QImage();
  return v;
}

}  // namespace

std::optional<PlacedFace> PlaceClockFace(const ClockDisplay& display, FacePictures& pictures,
                                         const LocalTime& now) {
  const DialPoint centre = FaceCentre(display);
  // The hands and the organ disc, the face's only fills, stay within 3/4 R of the centre.
  const int reach = display.layout.faceRadius * 3 / 4 + 2;
  if (centre.x - reach < 0 || centre.y - reach < 0 || centre.x + reach >= display.width ||
      centre.y + reach >= display.height)
    return std::nullopt;

  if (!ShowsTheSame(pictures, display, now)) {
    pictures.hour = now.hour;
    pictures.minute = now.minute;
    pictures.second = now.second;
    pictures.texts = display.texts;
    pictures.variants.clear();
  }
  const int drop = DateLineDrop(display);
  auto variant = std::find_if(pictures.variants.begin(), pictures.variants.end(), [&](const auto& v) {
    return v.parityX == (centre.x & 1) && v.parityY == (centre.y & 1) && v.dateLineDrop == drop;
  });
  if (variant == pictures.variants.end()) {
    pictures.variants.push_back(DrawVariant(display, pictures, centre, drop, now));
    variant = std::prev(pictures.variants.end());
  }
  const FacePictures::Variant& shown = variant->sameAs >= 0 ? pictures.variants[variant->sameAs] : *variant;
  return PlacedFace{&shown.picture, {centre.x - shown.centre.x, centre.y - shown.centre.y}};
}

}  // namespace organsaver
