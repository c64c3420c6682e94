#pragma once
// The twelve organ illustrations, in the order of the organ clock.
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// Name and period as shown on organ `organ` (1-12).
QString OrganName(int organ);
QString OrganPeriod(int organ);

// Size of organ picture `organ`; the program places it in a fixed frame, so the
// sizes are fixed too.
QSize OrganPictureSize(int organ);

// What the program's organ picture control shows of a picture: it centres pictures
// and cuts those larger than itself.
inline constexpr QSize kOrganPictureControlSize(225, 187);
QRect ShownPart(QSize picture);

// The labelled drawing of organ `organ`, exactly OrganPictureSize(organ) large (times
// `scale` device pixels). Everything drawn lies inside the shown part with a margin;
// what the control cuts off holds only the background.
QImage DrawOrganPicture(int organ, int scale = 1);
