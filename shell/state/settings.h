#pragma once
// The user's choices that survive between runs (konfig.set), decoded once when the file
// is read and encoded only when it is written.
#include <cstdint>
#include <string>

// The hourly chime. A stored byte without a name here stays as it is: it plays nothing,
// checks none of the chime items and is reported as not loadable.
enum class ChimeChoice : int8_t { Off = 0, Gong = 1, DrVesk = 2, UserFile = 3 };

// When the main window comes up and gives way to the small window (or the tray).
class ViewInterval {
 public:
  // The small window permanently; the main window never comes up by itself.
  static constexpr ViewInterval SmallOnly() { return ViewInterval(0); }
  // The main window comes up at every full hour and stays.
  static constexpr ViewInterval MainOnly() { return ViewInterval(100); }
  // The main window comes up at every full hour and gives way at minute `minutes`.
  static constexpr ViewInterval Minutes(int minutes) { return ViewInterval(static_cast<int8_t>(minutes)); }

  bool IsSmallOnly() const { return stored_ == 0; }
  // Any positive stored value counts as minutes; 100 is never reached and so means
  // the main window only. A negative stored value neither comes up nor gives way.
  bool ComesUpHourly() const { return stored_ >= 1; }
  bool GivesWayAt(int minuteOfHour) const { return ComesUpHourly() && minuteOfHour >= stored_; }

  bool operator==(const ViewInterval&) const = default;

  // The settings file's byte; nothing else reads or builds it.
  static constexpr ViewInterval FromStored(int8_t stored) { return ViewInterval(stored); }
  int8_t Stored() const { return stored_; }

 private:
  constexpr explicit ViewInterval(int8_t stored) : stored_(stored) {}
  int8_t stored_;
};

struct Settings {
  std::string keptLine;       // read and written back unchanged
  int32_t smallWindowX = 10;  // outer left edge of the small window
  int32_t smallWindowY = 10;  // outer top edge
  ChimeChoice chimeChoice = ChimeChoice::Gong;
  bool reminderSound = true;  // reminders sound
  std::string chimeFile;      // full path of the user's chime file
  ViewInterval viewInterval = ViewInterval::MainOnly();
  bool trayMode = false;   // the small window gives way to the tray icon
  bool smallOnTop = true;  // the small window stays above the other windows
  // The always-on-top part of the small window mode as the file held it (any value but
  // 0 means on top); written back as long as smallOnTop keeps that meaning.
  int8_t onTopPartAsStored = 1;
  // The reminder sound byte as the file held it (1 means the reminders sound, any other
  // value silence); written back as long as reminderSound keeps that meaning.
  int8_t reminderSoundAsStored = 1;
};

// The user's choice of always-on-top; from then on the file holds the plain value.
void SetSmallOnTop(Settings& settings, bool onTop);
// The user's choice of the reminder sound; from then on the file holds the plain value.
void SetReminderSound(Settings& settings, bool on);

// What the first run writes into the kept line.
extern const char* const kDefaultKeptLine;

// The defaults of a first run.
Settings DefaultSettings();

// The file's bytes for `settings` and back. Reading never fails: fields past the end
// of the bytes read as 0 or empty text. Bytes read and written back unchanged are the
// same bytes, odd values included.
std::string EncodeSettings(const Settings& settings);
Settings DecodeSettings(const std::string& bytes);
