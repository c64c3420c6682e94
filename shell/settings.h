#pragma once
// The user's choices that survive between runs (konfig.set).
#include <cstdint>
#include <string>

struct Settings {
  std::string keptLine;       // read and written back unchanged
  int32_t smallWindowX = 10;  // outer left edge of the small window
  int32_t smallWindowY = 10;  // outer top edge
  int8_t chimeChoice = 1;     // 0 off, 1 gong, 2 "Dr. Vesk", 3 the user's file
  int8_t reminderSound = 1;   // 1: reminders sound
  std::string chimeFile;      // full path of the user's chime file
  int8_t viewInterval = 100;  // 0 small window; 1-15 minutes; 100 main window
  int8_t smallWindowMode = 1; // always-on-top flag, plus 10 in tray mode
};

// What the first run writes into the kept line.
extern const char* const kDefaultKeptLine;

// The defaults of a first run.
Settings DefaultSettings();

// The file's bytes for `settings` and back. Reading never fails: fields past the end
// of the bytes read as 0 or empty text.
std::string EncodeSettings(const Settings& settings);
Settings DecodeSettings(const std::string& bytes);
