#pragma once
// Building the main window and the small window with their menus and controls.

// Window 0, hidden, centred, with menu bar 0 and its controls.
void BuildMainWindow();
// Window 1, hidden, at the saved position, with menu bar 1 and its controls.
void BuildSmallWindow();
