#pragma once
// The twelve organ illustrations, in the order of the organ clock.
#include <QImage>
#include <QSize>
#include <QString>

// Name and period as shown on organ `organ` (1-12).
QString OrganName(int organ);
QString OrganPeriod(int organ);

// Size of organ picture `organ`; the program places it in a fixed frame, so the
// sizes are fixed too.
QSize OrganPictureSize(int organ);

// The labelled drawing of organ `organ`, exactly OrganPictureSize(organ) large.
QImage DrawOrganPicture(int organ);
