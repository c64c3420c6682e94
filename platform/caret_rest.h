#pragma once
// For a program whose text field keeps its caret all day (its identity asks for the
// rest): a blinking caret repaints the field twice a second, about a quarter of what an
// idle program costs. As GNOME desktops do, the caret stops blinking (and stays
// visible) after some seconds without keyboard or mouse input, and blinks again at the
// next key press or click. It rests from the start until the first input.
#include <chrono>

#include "platform/clock.h"

namespace platform {

constexpr std::chrono::seconds kCaretRestDelay{10};

// Watches the input of the whole application; call once after the application exists.
void InstallCaretRest();

// Stops the blinking once kCaretRestDelay has passed since the last input.
void RestCaretIfIdle(SteadyTime now);

}  // namespace platform
