#include <QFontMetrics>
#include <QPainter>

#include "saver/clock_display.h"
#include "saver/organ_rows.h"
#include "saver/pixel_drawing.h"

namespace organsaver {

namespace {

// Text with its top-left corner at (x - width div 2, y - height div 2), on a
// transparent background.
void DrawCentredText(QImage& picture, const QFont& font, const std::string& text, DialPoint at,
                     Rgb colour) {
  if (text.empty()) return;
  const QString s = QString::fromStdString(text);
  const QFontMetrics metrics(font);
  const int left = at.x - metrics.horizontalAdvance(s) / 2;
  const int top = at.y - metrics.height() / 2;
  QPainter painter(&picture);
  painter.setFont(font);
  painter.setPen(QColor(colour.r, colour.g, colour.b));
  painter.drawText(QPoint(left, top + metrics.ascent()), s);
}

// A filled triangle: the base, 2w wide, lies w behind the centre, the tip len ahead.
void DrawTriangularHand(QImage& picture, DialPoint centre, int halfWidth, int length, int angle,
                        Rgb colour) {
  const HandTriangle hand = ComputeHandTriangle(centre, halfWidth, length, angle);
  const QRgb c = ToQRgb(colour);
  DrawLine(picture, hand.corner1, hand.tip, c);
  DrawLine(picture, hand.corner2, hand.tip, c);
  DrawLine(picture, hand.corner1, hand.corner2, c);
  FloodFillBoundedByColour(picture, centre, c);
}

}  // namespace

void DrawClockFrame(ClockDisplay& display, QImage& picture, const LocalTime& now) {
  if (picture.isNull()) return;
  if (picture.format() != QImage::Format_RGB32) picture = picture.convertToFormat(QImage::Format_RGB32);
  picture.fill(ToQRgb(display.colours.background));
  DrawClockFace(display, picture, FaceCentre(display), DateLineDrop(display), now);
}

int DateLineDrop(const ClockDisplay& display) {
  // Rounded from the unrounded centre, so not always R div 2 below the rounded one.
  const int dateLineDrop = display.layout.faceRadius / 2;
  return RoundHalfEven(static_cast<double>(display.motion.centreY) + dateLineDrop) - FaceCentre(display).y;
}

void DrawClockFace(const ClockDisplay& display, QImage& picture, DialPoint centre, int dateLineDrop,
                   const LocalTime& now) {
  const FaceLayout& f = display.layout;
  const ColourSet& colours = display.colours;
  const int R = f.faceRadius;
  const HandAngles angles = ComputeHandAngles(now.hour, now.minute, now.second);

  const QRgb ring = ToQRgb(colours.ringAndTicks);
  DrawCircleOutline(picture, centre, R, ring);
  DrawCircleOutline(picture, centre, R - 1, ring);

  // 360 is included on purpose: the 3 is simply drawn twice.
  for (int a = 0; a <= 360; a += 6) {
    const DialPoint outer = PointOnDial(centre, static_cast<float>(R - 1), a);
    if (a % 30 == 0) {
      DrawLine(picture, PointOnDial(centre, f.longTickRadius, a), outer, ring);
      DrawCentredText(picture, display.fonts[kNumeralFont], std::to_string(NumeralAtAngle(a)),
                      PointOnDial(centre, f.numeralRadius, a), colours.numerals);
    } else {
      DrawLine(picture, PointOnDial(centre, f.shortTickRadius, a), outer, ring);
    }
  }

  if (display.style == FaceStyle::FullScreen) {
    const bool sunday = display.texts.weekdayText == kSundayLabel;
    const DialPoint at{centre.x, centre.y + dateLineDrop};
    DrawCentredText(picture, display.fonts[kDateLineFont], display.texts.dateLine, at,
                    sunday ? colours.dateSunday : colours.dateOtherDays);
  }

  DrawTriangularHand(picture, centre, f.handHalfWidth, f.hourHandLength, angles.hour, colours.hourHand);

  // The disc's fill stops only at its own colour, so it paints over the hour
  // hand inside the disc.
  const DialPoint disc = PointOnDial(centre, f.discDistance, angles.hour);
  const QRgb discColour = ToQRgb(colours.organDisc);
  DrawCircleOutline(picture, disc, f.discRadius, discColour);
  FloodFillBoundedByColour(picture, disc, discColour);

  const QFontMetrics organMetrics(display.fonts[kOrganTextFont]);
  DrawCentredText(picture, display.fonts[kOrganTextFont], display.texts.organName,
                  {disc.x, disc.y - organMetrics.height() / 2}, colours.organTexts);
  DrawCentredText(picture, display.fonts[kOrganTextFont], display.texts.organPeriod,
                  {disc.x, disc.y + organMetrics.height() / 2}, colours.organTexts);

  DrawTriangularHand(picture, centre, f.handHalfWidth, f.minuteHandLength, angles.minute,
                     colours.minuteHand);

  // The tip's path is slightly wider than high: x uses R / 1.4, y R / 1.5.
  const QRgb second = ToQRgb(colours.secondHand);
  const DialPoint tip{DialPointX(centre.x, f.secondTipRadiusX, angles.second),
                      DialPointY(centre.y, f.secondTipRadiusY, angles.second)};
  DrawLine(picture, centre, tip, second);
  DrawLine(picture, centre, PointOnDial(centre, f.secondTailRadius, angles.second + 180), second);

  DrawFilledDisc(picture, centre, f.hubRadius, second);
}

}  // namespace organsaver
