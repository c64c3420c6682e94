#pragma once
// The program's small pictures: its icon, the window decoration and the toolbar button.
#include <QImage>

// The clock-face icon, `size` pixels square, with a transparent surround.
QImage DrawClockIcon(int size);

// The 71 x 196 decorative strip of the main window (times `scale` device pixels).
QImage DrawDecoration(int scale = 1);

// The 16 x 16 "Termin nicht mehr melden" button: a bell that is struck through.
QImage DrawAppointmentButton(int scale = 1);
