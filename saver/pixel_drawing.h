#pragma once
// One-pixel drawing on an RGB32 picture, written out so that outlines are
// closed for the flood fills that follow them: 8-connected outlines, 4-connected
// fills. Everything is clipped to the picture; nothing writes outside it.

#include <QImage>
#include <QRgb>

#include "saver/clock_geometry.h"
#include "saver/saver_colours.h"

namespace organsaver {

inline QRgb ToQRgb(Rgb c) { return qRgb(c.r, c.g, c.b); }

// A straight line from a to b, both end pixels included.
void DrawLine(QImage& picture, DialPoint a, DialPoint b, QRgb colour);

// Circle outline of the given radius around the centre.
void DrawCircleOutline(QImage& picture, DialPoint centre, int radius, QRgb colour);

// The same circle with its inside filled.
void DrawFilledDisc(QImage& picture, DialPoint centre, int radius, QRgb colour);

// Fills every pixel reachable from the seed (up, down, left, right) without
// crossing a pixel of the colour. A seed on that colour, or outside, fills nothing.
void FloodFillBoundedByColour(QImage& picture, DialPoint seed, QRgb colour);

}  // namespace organsaver
