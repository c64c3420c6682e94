#pragma once
// The font configuration, read on a second thread while start-up does other work. The
// first font looked up makes fontconfig read and parse every configuration file of the
// system, a fifth of the work before the main window can be shown; begun first thing,
// that runs while the program connects to the display and reads its own files.

namespace platform {

// Starts reading the font configuration on a thread of its own. Once per process.
void BeginFontSetUp();
// Waits until the configuration is read. Call, on the main thread, before anything may
// look up a font; a lookup that comes first is still correct, it only reads the
// configuration once more.
void FinishFontSetUp();

}  // namespace platform
