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

FacePictures::Variant DrawVariant(const ClockDisplay& display, DialPoint screenCentre, int dateLineDrop,
                                  const LocalTime& now) {
  FacePictures::Variant v;
  v.parityX = screenCentre.x & 1;
  v.parityY = screenCentre.y & 1;
  v.dateLineDrop = dateLineDrop;
  const int half = HalfSide(display, dateLineDrop);
  v.centre = {half + v.parityX, half + v.parityY};
  v.picture = QImage(2 * half + 2, 2 * half + 2, QImage::Format_RGB32);
  v.picture.fill(ToQRgb(display.colours.background));
  DrawClockFace(display, v.picture, v.centre, dateLineDrop, now);
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
    pictures.variants.push_back(DrawVariant(display, centre, drop, now));
    variant = std::prev(pictures.variants.end());
  }
  return PlacedFace{&variant->picture, {centre.x - variant->centre.x, centre.y - variant->centre.y}};
}

}  // namespace organsaver
