#pragma once
// The sound output and the reminder sound (kSoundReminder, "hockey.wav").

// Start-up, once, before the windows: opens the sound output; says so on failure.
void InitSounds();
// Start-up: loads "hockey.wav" whole into memory as kSoundReminder; says so on failure.
void LoadReminderSound();
// Plays kSoundReminder once without waiting; nothing when it could not be loaded.
void PlayReminderSound();
