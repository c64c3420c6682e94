#pragma once
// Keys that deliver a command to the main loop while their window is active.

namespace platform {

// The Return key in `window` delivers `command`.
void AddReturnKeyCommand(int window, int command);

}  // namespace platform
