#pragma once

// Shutdown: frees sound 15 and the sound output and closes the chime.
void ReleaseSounds();
