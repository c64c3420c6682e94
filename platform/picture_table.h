#pragma once
// The pictures by their fixed numbers, embedded ones kept undecoded until first shown.
//
// Only code inside platform/ uses this.
#include <QIcon>
#include <QImage>

#include <map>

namespace platform {

// An embedded picture not read yet: its resource and the format it is in. Reading a
// resource unpacks it, which start-up need not pay for pictures it does not show.
struct PendingPicture {
  const char* resource = nullptr;
  const char* format = nullptr;
};

struct PictureEntry {
  QImage image;
  QIcon icon;              // all sizes of an icon picture
  PendingPicture pending;  // embedded picture not decoded yet
  // The embedded twice-size drawing for dense screens, decoded when first needed.
  QImage twice;
  PendingPicture pendingTwice;
  QImage spare;  // the drawer's second buffer once the picture is handed over
};

std::map<int, PictureEntry>& Pictures();

}  // namespace platform
