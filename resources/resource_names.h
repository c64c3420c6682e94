#pragma once
// Names of the embedded pictures inside the program's resources.

// The resource path of picture `picture` (0-12, 20, 110), or nullptr for a picture
// that is not embedded.
const char* EmbeddedPictureName(int picture);
