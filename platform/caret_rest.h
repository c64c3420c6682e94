#pragma once
// For a program whose text field keeps its caret all day (its identity asks for the
// rest): a blinking caret repaints the field twice a second, about a quarter of what an
// idle program costs. As GNOME desktops do, the caret stops blinking (and stays
// visible) after some seconds without keyboard or mouse input, and blinks again at the
// next key press or click. It rests from the start until the first input.
#include "platform/clock.h"

namespace platform {

// Watches the input of the whole application; InitPlatform calls it when the program's
// identity asks for a caret rest.
void InstallCaretRest();

// Stops the blinking once the identity's caret rest has passed since the last input.
// The main loop calls it before each wait.
void RestCaretIfIdle(SteadyTime now);

}  // namespace platform
