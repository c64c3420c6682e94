#pragma once
// The saver's fixed object identifiers, as the rest of the system addresses
// windows, pictures, controls and fonts by small numbers.

namespace organsaver {

// Windows
inline constexpr int kFullScreenWindow = 0;  // borderless, titled "Screen Saver"

// Off-screen pictures
inline constexpr int kPreviewPicture = 0;     // host client size
inline constexpr int kFullScreenPicture = 1;  // W x H of the primary display

// Picture controls
inline constexpr int kPreviewPictureControl = 0;     // child of the host window
inline constexpr int kFullScreenPictureControl = 1;  // in kFullScreenWindow at (0, 0)

// Fonts
inline constexpr int kNumeralFont = 0;
inline constexpr int kOrganTextFont = 1;
inline constexpr int kDateLineFont = 2;  // full-screen only
inline constexpr int kFontCount = 3;

}  // namespace organsaver
