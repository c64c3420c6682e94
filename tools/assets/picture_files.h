#pragma once
// Writers for the Windows picture formats the program embeds. The bytes are laid
// out by hand so the bit depth and row order are exactly what the program expects.
#include <QImage>
#include <string>
#include <vector>

#include "palette.h"

// 24-bit BI_RGB bitmap, bottom-up. Returns false if the file cannot be written.
bool WriteBmp24(const QImage& picture, const std::string& path);

// 8-bit BI_RGB bitmap with a 256-entry palette, bottom-up.
bool WriteBmp8(const IndexedPicture& picture, const std::string& path);

// One square icon image in both depths the icon file carries.
struct IconSize {
  QImage trueColour;       // ARGB, the 32-bit entry
  IndexedPicture indexed;  // the 8-bit entry, transparency goes into the AND mask
};

// An .ico file with an 8-bit and a 32-bit entry for every size, in the given order.
bool WriteIco(const std::vector<IconSize>& sizes, const std::string& path);
