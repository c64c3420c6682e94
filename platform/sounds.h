#pragma once
// The sound output: numbered sounds loaded whole into memory and played once without
// waiting for them to end.
#include <string>

namespace platform {

// Opens the output device. False when there is none; then no sound can be loaded.
// Calling it again while the output is open does nothing and returns true.
bool InitSoundOutput();

// Loads the WAV file `name` (Windows-1252, relative to the working directory, matched
// without regard to case) whole into memory as sound `id`, replacing what `id` held.
// False when the output is not open or the file is missing or not a sound; `id` is
// then empty.
bool LoadSound(int id, const std::string& name);

// Starts sound `id` once from its beginning (a run of it still going is cut off) and
// returns at once. False when `id` holds nothing or the device refused.
bool PlaySound(int id);

// Closes the audio device while nothing plays, so that an idle program has no audio
// thread waking it; the sounds and media devices stay loaded, and the next play opens
// the device again. The main loop calls it before each wait.
void SuspendAudioWhenIdle();

void FreeAllSounds();
// Frees all sounds and closes the output device.
void CloseSoundOutput();

}  // namespace platform
