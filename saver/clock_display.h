#pragma once
// The state of one run's clock face and the operations the frame loops call:
// set up once, then per frame draw, refresh the texts (full-screen) and move
// the dial (full-screen).

#include <QFont>
#include <QImage>
#include <array>
#include <cstdint>

#include "saver/clock_geometry.h"
#include "saver/clock_texts.h"
#include "saver/dial_motion.h"
#include "saver/local_clock.h"
#include "saver/saver_colours.h"
#include "saver/saver_object_ids.h"

namespace organsaver {

// Full-screen: moving face with date line; preview: fixed face, fixed organ.
enum class FaceStyle { FullScreen, Preview };

struct ClockDisplay {
  FaceStyle style = FaceStyle::FullScreen;
  int width = 0;  // the target picture (display, host client area)
  int height = 0;
  FaceLayout layout;
  DialMotion motion;  // centre and speed; the preview never moves
  ClockTexts texts;
  ColourSet colours;
  std::array<QFont, kFontCount> fonts;  // the date line font only in full-screen
};

// dotsPerInch turns the fonts' point sizes into pixels; seed starts the bounce
// generator (the caller takes the millisecond tick count).
ClockDisplay SetUpClockDisplay(int width, int height, FaceStyle style, int dotsPerInch, uint32_t seed);

// Draws one complete frame; the whole picture is repainted.
void DrawClockFrame(ClockDisplay& display, QImage& picture, const LocalTime& now);

// The face alone, without filling the background, around the given centre: the
// frame's drawing moved by a whole number of pixels. dateLineDrop puts the date
// line below the centre (DateLineDrop of the frame's position).
void DrawClockFace(const ClockDisplay& display, QImage& picture, DialPoint centre, int dateLineDrop,
                   const LocalTime& now);
int DateLineDrop(const ClockDisplay& display);

// Full-screen, after the frame has been shown.
void MoveClockDial(ClockDisplay& display);

// The face's centre in whole pixels, as the frame uses it.
DialPoint FaceCentre(const ClockDisplay& display);

}  // namespace organsaver
