#pragma once
// Shared look of the organ pictures: canvas, title lines, shaded fills and labels.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

QFont KitFont(double pixelSize, bool bold = false);

// The light background of the organ pictures.
inline const QColor kCanvasColour(252, 249, 240);

// A light canvas of width x height logical pixels, drawn at `scale` device pixels
// per logical one.
QImage NewCanvas(int width, int height, int scale = 1);

// The thin frame round the drawing.
void DrawCanvasFrame(QPainter& p, const QRectF& frame);

// The organ's name as a title at the top and its period at the bottom. Returns the
// free area between them, where the drawing goes.
QRectF DrawTitleAndPeriod(QPainter& p, int width, int height, const QString& name, const QString& period);

// A brush that lights a shape from the upper left, for a rounded, modelled look.
QBrush Shaded(const QRectF& bounds, const QColor& base);

QPen OutlinePen(const QColor& base, double width = 1.2);

// Where a label's text stands relative to its text point.
enum class Side { Left, Right, Above, Below };

// A leader line from `anchor` on the drawing to `textPoint`, and the text beside
// that point on the given side.
void Label(QPainter& p, QPointF anchor, QPointF textPoint, const QString& text, Side side,
           double pixelSize = 10);
