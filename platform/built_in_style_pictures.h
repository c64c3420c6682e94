#pragma once
// The pictures the style reads while windows are built and first painted: the arrows of
// a month calendar and a menu bar, and the frame of a group box. The usual way to the
// arrows searches every folder of the desktop's icon theme, and reading any of these
// pictures the usual way loads every picture plug-in the toolkit has, the SVG library
// with them. Read by name, the same pictures cost next to nothing and look the same.

namespace platform {

// Makes the application's style read its built-in pictures by name. Call once, after
// the application object exists and before any window is built.
void UseBuiltInStylePictures();

}  // namespace platform
