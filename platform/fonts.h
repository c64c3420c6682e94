#pragma once
#include <string>

namespace platform {

constexpr int kWeightNormal = 400;
constexpr int kWeightBold = 700;

// Loads font `font` by face, size in points and weight (400 normal, 700 bold). The
// pixel height is points x dots per inch / 72, as a character height. False if the
// face could not be had at all (the text then uses the system font).
bool LoadFont(int font, const std::string& face, int points, int weight);
bool FontExists(int font);
void FreeAllFonts();

}  // namespace platform
