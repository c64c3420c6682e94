#include "drawing_kit.h"

#include <QFontMetricsF>
#include <QRadialGradient>
#include <cmath>

QFont KitFont(double pixelSize, bool bold) {
  QFont font("Liberation Sans");
  font.setFamilies({"Liberation Sans", "DejaVu Sans"});
  font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferFullHinting);  // crisp text at these small sizes
  return font;
}

QImage NewCanvas(int width, int height, int scale) {
  QImage image(width * scale, height * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(kCanvasColour);
  return image;
}

void DrawCanvasFrame(QPainter& p, const QRectF& frame) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(196, 178, 140), 1));
  p.drawRect(frame.adjusted(0, 0, -1, -1));
  p.restore();
}

QRectF DrawTitleAndPeriod(QPainter& p, int width, int height, const QString& name, const QString& period) {
  const QFont title = KitFont(width < 150 ? 13 : 15, true);
  const QFont time = KitFont(11);
  const double titleHeight = QFontMetricsF(title).height() * (name.contains('\n') ? 2 : 1);
  const double timeHeight = QFontMetricsF(time).height();
  p.setFont(title);
  p.setPen(QColor(128, 24, 24));
  p.drawText(QRectF(2, 3, width - 4, titleHeight), Qt::AlignHCenter | Qt::AlignTop, name);
  p.setFont(time);
  p.setPen(QColor(60, 50, 40));
  p.drawText(QRectF(2, height - timeHeight - 3, width - 4, timeHeight), Qt::AlignHCenter | Qt::AlignBottom,
             period);
  return QRectF(4, titleHeight + 5, width - 8, height - titleHeight - timeHeight - 10);
}

QBrush Shaded(const QRectF& bounds, const QColor& base) {
  const QPointF light(bounds.left() + bounds.width() * 0.35, bounds.top() + bounds.height() * 0.3);
  QRadialGradient g(light, std::max(bounds.width(), bounds.height()) * 0.8, light);
  g.setColorAt(0.0, base.lighter(150));
  g.setColorAt(0.55, base);
  g.setColorAt(1.0, base.darker(150));
  return QBrush(g);
}

QPen OutlinePen(const QColor& base, double width) {
  return QPen(base.darker(220), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Label(QPainter& p, QPointF anchor, QPointF textPoint, const QString& text, Side side,
           double pixelSize) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(QColor(70, 70, 70), 0.8));
  p.drawLine(anchor, textPoint);
  p.setBrush(QColor(40, 40, 40));
  p.setPen(Qt::NoPen);
  p.drawEllipse(anchor, 1.3, 1.3);

  const QFont font = KitFont(pixelSize);
  p.setFont(font);
  const QFontMetricsF m(font);
  QRectF box = m.boundingRect(QRectF(0, 0, 400, 100), Qt::AlignLeft, text);
  box.moveCenter(textPoint);
  switch (side) {
    case Side::Left: box.moveRight(textPoint.x() - 2); break;
    case Side::Right: box.moveLeft(textPoint.x() + 2); break;
    case Side::Above: box.moveBottom(textPoint.y() - 1); break;
    case Side::Below: box.moveTop(textPoint.y() + 1); break;
  }
  p.setPen(QColor(25, 25, 25));
  const Qt::Alignment align = side == Side::Left    ? Qt::AlignRight
                              : side == Side::Right ? Qt::AlignLeft
                                                    : Qt::AlignHCenter;
  p.drawText(box, static_cast<int>(align | Qt::AlignVCenter), text);
  p.restore();
}
