#pragma once

// Shutdown: frees kSoundReminder and the sound output and closes the chime.
void ReleaseSounds();
