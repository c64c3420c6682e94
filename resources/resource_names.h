#pragma once
// Names of the embedded pictures inside the program's resources.

// The resource path of picture `picture` (kPictureDecoration, the twelve organ pictures
// from kPictureFirstOrgan on, kPictureReminderButton, kPictureProgramIcon), or nullptr for a picture
// that is not embedded.
const char* EmbeddedPictureName(int picture);

// Resource paths of further, larger sizes of icon picture `picture`, in rising order,
// ended by nullptr; nullptr at once for a picture without them.
const char* const* EmbeddedIconSizeNames(int picture);

// The same picture drawn at twice its size, for screens of twice the pixel density, or
// nullptr where there is none.
const char* EmbeddedTwiceSizePictureName(int picture);
