#pragma once
// The sound output and the reminder sound (sound 15, "hockey.wav").

// Start-up, once, before the windows: opens the sound output; says so on failure.
void InitSounds();
// Start-up: loads "hockey.wav" whole into memory as sound 15; says so on failure.
void LoadReminderSound();
// Plays sound 15 once without waiting; nothing when it could not be loaded.
void PlayReminderSound();
