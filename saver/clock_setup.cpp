#include "saver/clock_display.h"
#include "saver/saver_fonts.h"

namespace organsaver {

ClockDisplay SetUpClockDisplay(int width, int height, FaceStyle style, int dotsPerInch, uint32_t seed) {
  ClockDisplay display;
  display.style = style;
  display.width = width;
  display.height = height;
  display.layout = ComputeFaceLayout(height);
  display.motion = StartDialMotion(width, height, seed);
  display.colours = style == FaceStyle::FullScreen ? kFullScreenColours : kPreviewColours;
  display.fonts[kNumeralFont] = LoadSaverFont(display.layout.numeralPoints, dotsPerInch);
  display.fonts[kOrganTextFont] = LoadSaverFont(display.layout.organTextPoints, dotsPerInch);
  if (style == FaceStyle::FullScreen) {
    display.fonts[kDateLineFont] = LoadSaverFont(display.layout.dateLinePoints, dotsPerInch);
    display.texts = ClockTexts{};  // filled by the first refresh, so frame 1 has none
  } else {
    display.texts = PreviewClockTexts();
  }
  return display;
}

void MoveClockDial(ClockDisplay& display) {
  MoveDial(display.motion, display.width, display.height, display.layout.faceRadius);
}

DialPoint FaceCentre(const ClockDisplay& display) {
  return {RoundHalfEven(display.motion.centreX), RoundHalfEven(display.motion.centreY)};
}

}  // namespace organsaver
