#pragma once
// The X display before and during a run. Qt aborts when it cannot reach the
// display it was told to use, and ends the process with 1 when the X server
// goes away; a screen saver ends quietly with 0 in both cases.

namespace organsaver {

// True when the windowing system Qt is about to use can be reached: the X
// server in DISPLAY answers, or another platform was chosen (Wayland, offscreen).
bool SaverDisplayReachable();

// From here on a broken X connection, Qt's or our own, ends the process at once
// with exit code 0 and without a message.
void EndQuietlyWhenTheDisplayGoes();

}  // namespace organsaver
