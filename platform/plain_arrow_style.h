#pragma once
// The arrows that a month calendar and a menu bar ask the style for while they are
// built. The usual way to them searches every folder of the desktop's icon theme and
// then loads every picture plug-in the toolkit has to read the built-in ones; together
// that took as long as building the rest of the main window. Read by name, the
// built-in pictures cost next to nothing and look the same.

namespace platform {

// Makes the application's style hand out its built-in arrow pictures. Call once, after
// the application object exists and before any window is built.
void UsePlainArrowIcons();

}  // namespace platform
