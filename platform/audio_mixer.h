#pragma once
// The one SDL mixer that the sound output and the media commands share. It stays open
// while anyone holds it and is closed with the last release.
//
// Only code inside platform/ uses this.

namespace platform::mixer {

enum class Output {
  None,     // no mixer: nothing can be loaded or played
  Audible,  // a real output device
  Silent,   // SDL's dummy driver: files decode, nothing is heard
};

// Takes one hold on the mixer, opening it on the default output device first if
// needed. With `silentFallback`, when no device can be opened the mixer is opened on
// the dummy driver instead, so that files can still be checked and loaded. Returns
// None (and takes no hold) on failure.
Output Acquire(bool silentFallback);

// Gives back one hold; the last one closes the mixer and SDL's audio.
void Release();

// What the open mixer plays on; None while it is closed.
Output Current();

// Opens the device again if SuspendWhenIdle closed it; call before loading or playing.
// False when the mixer is not held or the device cannot be opened again.
bool Resume();

// Closes the device (not the mixer) when nothing plays, so that an idle program has no
// audio thread waking it; loaded sounds and music stay.
void SuspendWhenIdle();

// Whether the device itself is open now.
bool DeviceOpen();

}  // namespace platform::mixer
