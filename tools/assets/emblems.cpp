#include "emblems.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

// One colour per organ period, round the face in clock order, grouped by the
// five elements' hues so that neighbouring segments stay distinguishable.
QColor PeriodColour(int segment) {
  static const QColor colours[12] = {QColor(230, 60, 50),  QColor(245, 130, 40), QColor(250, 200, 40),
                                     QColor(190, 210, 50), QColor(90, 180, 70),  QColor(40, 160, 130),
                                     QColor(40, 170, 210), QColor(50, 110, 210), QColor(100, 80, 200),
                                     QColor(160, 70, 190), QColor(210, 70, 160), QColor(200, 60, 90)};
  return colours[segment % 12];
}

// Twelve coloured ring segments between radius `inner` and `outer` round `c`.
void PeriodRing(QPainter& p, QPointF c, double outer, double inner, const QColor& edge, double edgeWidth) {
  for (int i = 0; i < 12; ++i) {
    QPainterPath segment;
    const QRectF o(c.x() - outer, c.y() - outer, 2 * outer, 2 * outer);
    const QRectF in(c.x() - inner, c.y() - inner, 2 * inner, 2 * inner);
    const double start = 90 - i * 30;  // Qt counts angles anticlockwise from three o'clock
    segment.arcMoveTo(o, start);
    segment.arcTo(o, start, -30);
    segment.arcTo(in, start - 30, 30);
    segment.closeSubpath();
    p.setBrush(PeriodColour(i));
    if (edgeWidth > 0) p.setPen(QPen(edge, edgeWidth));
    else p.setPen(Qt::NoPen);
    p.drawPath(segment);
  }
}

void Hand(QPainter& p, QPointF c, double angleDegrees, double length, double width, const QColor& colour) {
  const double a = (angleDegrees - 90) * M_PI / 180.0;
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c, c + QPointF(std::cos(a) * length, std::sin(a) * length));
}

}  // namespace

QImage DrawClockIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  const double s = size;
  const QPointF c(s / 2, s / 2);
  const bool tiny = size <= 24;
  const double rim = tiny ? 1.0 : s / 24;
  const double outer = s / 2 - rim / 2 - (tiny ? 0.0 : 0.5);
  const double inner = outer * 0.6;

  // Dark rim, the twelve period segments, and a light centre face.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(50, 40, 40));
  p.drawEllipse(c, outer + rim / 2, outer + rim / 2);
  PeriodRing(p, c, outer - rim / 2, inner, QColor(255, 255, 255, 200), tiny ? 0 : s / 96);
  QRadialGradient face(c - QPointF(inner / 3, inner / 3), inner * 1.4);
  face.setColorAt(0, QColor(255, 255, 250));
  face.setColorAt(1, QColor(225, 220, 205));
  p.setBrush(face);
  p.setPen(QPen(QColor(60, 50, 50), tiny ? 0.8 : s / 64));
  p.drawEllipse(c, inner, inner);

  // Hands at ten past ten, long enough to reach into the ring.
  const QColor handColour(30, 25, 25);
  Hand(p, c, 300, outer * (tiny ? 0.55 : 0.62), std::max(1.8, s / 14), handColour);
  Hand(p, c, 60, outer * (tiny ? 0.8 : 0.9), std::max(1.3, s / 22), handColour);
  if (!tiny) {  // at 16 and 24 pixels the hub would swallow the hands
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(c, s / 20, s / 20);
  }
  return image;
}

QImage DrawDecoration(int scale) {
  const int w = 71, h = 196;
  QImage image(w * scale, h * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient bg(0, 0, 0, h);
  bg.setColorAt(0, QColor(120, 24, 24));
  bg.setColorAt(0.5, QColor(150, 40, 30));
  bg.setColorAt(1, QColor(110, 20, 24));
  p.fillRect(QRect(0, 0, w, h), bg);
  // Gold double frame.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(222, 180, 90), 2));
  p.drawRect(QRectF(3, 3, w - 6, h - 6));
  p.setPen(QPen(QColor(222, 180, 90), 0.8));
  p.drawRect(QRectF(7, 7, w - 14, h - 14));

  // The twelve-period wheel with its hands.
  const QPointF wheel(w / 2.0, 42);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 20, 20));
  p.drawEllipse(wheel, 28, 28);
  PeriodRing(p, wheel, 26, 16, QColor(60, 20, 20), 0.8);
  p.setBrush(QColor(250, 240, 215));
  p.setPen(QPen(QColor(222, 180, 90), 1));
  p.drawEllipse(wheel, 15, 15);
  Hand(p, wheel, 300, 9, 2.2, QColor(40, 20, 20));
  Hand(p, wheel, 60, 13, 1.4, QColor(40, 20, 20));

  // Yin and yang below it.
  const QPointF yy(w / 2.0, 108);
  const double r = 22;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 240, 215));
  p.drawEllipse(yy, r, r);
  QPainterPath dark;
  dark.moveTo(yy.x(), yy.y() - r);
  dark.arcTo(QRectF(yy.x() - r, yy.y() - r, 2 * r, 2 * r), 90, -180);
  dark.arcTo(QRectF(yy.x() - r / 2, yy.y(), r, r), 270, -180);
  dark.arcTo(QRectF(yy.x() - r / 2, yy.y() - r, r, r), 270, 180);
  p.setBrush(QColor(30, 20, 20));
  p.drawPath(dark);
  p.drawEllipse(QPointF(yy.x(), yy.y() + r / 2), r / 7, r / 7);
  p.setBrush(QColor(250, 240, 215));
  p.drawEllipse(QPointF(yy.x(), yy.y() - r / 2), r / 7, r / 7);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(222, 180, 90), 1.4));
  p.drawEllipse(yy, r + 1, r + 1);

  // The five elements as a column of coloured beads: wood, fire, earth, metal, water.
  const QColor elements[5] = {QColor(70, 160, 70), QColor(230, 60, 40), QColor(230, 190, 60),
                              QColor(225, 225, 225), QColor(40, 80, 170)};
  for (int i = 0; i < 5; ++i) {
    const QPointF bead(w / 2.0, 144 + i * 10.5);
    QRadialGradient g(bead - QPointF(1.5, 1.5), 5);
    g.setColorAt(0, elements[i].lighter(150));
    g.setColorAt(1, elements[i].darker(120));
    p.setBrush(g);
    p.setPen(QPen(QColor(222, 180, 90), 0.8));
    p.drawEllipse(bead, 4.2, 4.2);
  }
  p.setPen(QPen(QColor(222, 180, 90), 0.8));
  p.drawLine(QPointF(w / 2.0, 134), QPointF(w / 2.0, 139.5));
  return image;
}

QImage DrawAppointmentButton(int scale) {
  QImage image(16 * scale, 16 * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(QColor(212, 208, 200));  // the classic button face, so the image blends in
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  QPainterPath bell;
  bell.moveTo(8, 2);
  bell.cubicTo(4.2, 2, 4, 5, 4, 8);
  bell.lineTo(2.5, 11.5);
  bell.lineTo(13.5, 11.5);
  bell.lineTo(12, 8);
  bell.cubicTo(12, 5, 11.8, 2, 8, 2);
  QLinearGradient gold(3, 0, 13, 0);
  gold.setColorAt(0, QColor(255, 230, 110));
  gold.setColorAt(1, QColor(200, 140, 20));
  p.setBrush(gold);
  p.setPen(QPen(QColor(110, 70, 10), 1));
  p.drawPath(bell);
  p.setBrush(QColor(110, 70, 10));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(8, 13), 1.6, 1.6);
  // The red stroke: "no more reminders".
  p.setPen(QPen(QColor(255, 255, 255), 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(2.5, 2.5), QPointF(13.5, 13.5));
  p.setPen(QPen(QColor(210, 20, 20), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(2.5, 2.5), QPointF(13.5, 13.5));
  return image;
}
