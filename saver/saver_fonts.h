#pragma once
// The saver's fonts: "Comic Sans MS", or "Arial" of the same size where that
// family is missing; on Linux both are mapped to free look-alikes.

#include <QFont>
#include <functional>
#include <string>
#include <string_view>

namespace organsaver {

inline constexpr std::string_view kPreferredFontFamily = "Comic Sans MS";
inline constexpr std::string_view kFallbackFontFamily = "Arial";

// "Comic Sans MS" -> "Comic Neue", "Arial" -> "Liberation Sans".
void InstallSaverFontSubstitutions();

// The family to ask for: the preferred one if available, else the fallback if
// available, else empty (text then uses whatever default font there is).
std::string ChooseSaverFontFamily(const std::function<bool(std::string_view)>& familyAvailable);

// True when the family, or one of its substitutes, is installed.
bool FontFamilyAvailable(std::string_view family);

// Normal weight, upright, not underlined, with a character height of
// points * dotsPerInch / 72 pixels (rounded, at least 1).
QFont LoadSaverFont(int points, int dotsPerInch);

}  // namespace organsaver
