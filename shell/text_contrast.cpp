#include "shell/text_contrast.h"

#include <algorithm>
#include <cmath>

namespace {

// The share of light a channel of 0-255 gives, on the sRGB curve.
double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(platform::Rgb c) {
  return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b);
}

}  // namespace

double ContrastRatio(platform::Rgb a, platform::Rgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

platform::Rgb ReadableTextColour(platform::Rgb preferred, platform::Rgb background) {
  if (ContrastRatio(preferred, background) >= kReadableContrast) return preferred;
  constexpr platform::Rgb kBlack{0, 0, 0};
  constexpr platform::Rgb kWhite{255, 255, 255};
  return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
}
