#pragma once
// How well a text colour reads on a background, by the contrast ratio of the two
// colours' relative luminances (1:1 for equal colours, 21:1 for black on white).
#include "platform/types.h"

// At least this ratio keeps normal-sized text readable.
constexpr double kReadableContrast = 4.5;

double ContrastRatio(platform::Rgb a, platform::Rgb b);

// `preferred` if it reads on `background`, otherwise black or white, whichever reads
// better; one of the two always reaches kReadableContrast.
platform::Rgb ReadableTextColour(platform::Rgb preferred, platform::Rgb background);
