#pragma once
// konfig.set in the working directory.

constexpr const char* kSettingsFileName = "konfig.set";

// Reads the settings record; false when the file cannot be opened (a first run).
bool ReadSettings();
// Writes the whole settings record; on failure says so and keeps the old file.
void SaveSettings();
