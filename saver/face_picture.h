#pragma once
// The full-screen face as a picture of its own. Between seconds the face only
// moves by a pixel or two, so it is drawn once per second and per frame only
// placed anew on the background. Rounding halves to the even neighbour makes the
// face at an odd position differ from the one at an even position by a pixel
// here and there, so a second's face comes in up to a dozen variants, each
// drawn when first needed; placed, each gives the frame's pixels exactly. Where
// a variant turns out to be another one moved by a pixel, as it is for most
// face sizes, that one is placed instead, so the X server keeps one picture.

#include <QImage>
#include <optional>
#include <string>
#include <vector>

#include "saver/clock_display.h"

namespace organsaver {

struct FacePictures {
  struct Variant {
    int parityX = 0;  // of the face centre on the screen
    int parityY = 0;
    int dateLineDrop = 0;
    DialPoint centre;  // within the picture
    QImage picture;    // null when it is another variant's, moved
    int sameAs = -1;   // that variant
  };
  // What the variants show; a change of any of it draws them anew.
  int hour = -1;
  int minute = -1;
  int second = -1;
  ClockTexts texts;
  std::vector<Variant> variants;
  QImage scratch;  // drawn into, kept when it showed a variant already there
};

struct PlacedFace {
  const QImage* picture = nullptr;
  DialPoint at;  // where its top-left corner goes on the screen
};

// The face of this frame, or nothing when it comes so near the picture's edge
// that the edge would cut its fills: then the frame is drawn whole.
std::optional<PlacedFace> PlaceClockFace(const ClockDisplay& display, FacePictures& pictures,
                                         const LocalTime& now);

}  // namespace organsaver
