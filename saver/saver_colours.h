#pragma once
// The two colour sets of the face. The disc's blue (6, 6, 255) differs from the
// hour hand's (0, 0, 255) on purpose: the disc's fill, bounded by its own
// colour, runs over the hand's pixels inside the disc and recolours them.

#include <cstdint>

namespace organsaver {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;  // three bytes: compared by value
};

struct ColourSet {
  Rgb background;
  Rgb ringAndTicks;
  Rgb numerals;
  Rgb dateSunday;
  Rgb dateOtherDays;
  Rgb hourHand;
  Rgb organDisc;
  Rgb organTexts;
  Rgb minuteHand;
  Rgb secondHand;  // also its tail and the hub
};

inline constexpr ColourSet kFullScreenColours = {
    {0, 0, 0},   {255, 255, 255}, {255, 255, 0},   {252, 159, 20}, {0, 255, 200},
    {0, 0, 255}, {6, 6, 255},     {255, 255, 255}, {0, 255, 0},    {255, 0, 0}};

// The preview swaps the numeral and second-hand colours and has no date line.
inline constexpr ColourSet kPreviewColours = {{0, 0, 0},   {255, 255, 255}, {255, 0, 0}, {0, 0, 0},
                                              {0, 0, 0},   {0, 0, 255},     {6, 6, 255}, {255, 255, 255},
                                              {0, 255, 0}, {255, 255, 0}};

}  // namespace organsaver
