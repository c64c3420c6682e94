#pragma once
// The title bar text of a window under X11 exactly as the program gives it.
class QWidget;

namespace platform {

// The toolkit's X11 backend fills an empty title with the application's name; this
// writes the window's own title, an empty one too, into its X11 name properties.
// Creates the native window if need be; does nothing on other window systems.
void ShowTitleAsGiven(QWidget* window);

}  // namespace platform
