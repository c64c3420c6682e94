#include "shell/state/settings.h"

#include "shell/state/byte_reader.h"

const char* const kDefaultKeptLine = "Korvala Organuhr Einstellungen";

namespace {

// The small window mode byte is the always-on-top part plus 10 in tray mode; any byte
// of 10 or more means tray mode.
constexpr int kTrayModeStep = 10;

void DecodeSmallWindowMode(int8_t stored, Settings& s) {
  s.trayMode = stored >= kTrayModeStep;
  s.onTopPartAsStored = static_cast<int8_t>(s.trayMode ? stored - kTrayModeStep : stored);
  s.smallOnTop = s.onTopPartAsStored != 0;
}

int8_t EncodeSmallWindowMode(const Settings& s) {
  const int tray = s.trayMode ? kTrayModeStep : 0;
  const bool storedPartStillMeant = (s.onTopPartAsStored != 0) == s.smallOnTop;
  const int kept = tray + (storedPartStillMeant ? s.onTopPartAsStored : 0);
  // An odd stored part may not survive a change of tray mode (-3 plus 10 would read
  // back as no tray mode); the plain value is written then.
  if (storedPartStillMeant && kept >= INT8_MIN && kept <= INT8_MAX) {
    Settings back;
    DecodeSmallWindowMode(static_cast<int8_t>(kept), back);
    if (back.trayMode == s.trayMode) return static_cast<int8_t>(kept);
  }
  return static_cast<int8_t>(tray + (s.smallOnTop ? 1 : 0));
}

// The byte as read while it still means the flag, else the plain value.
int8_t EncodeReminderSound(const Settings& s) {
  if ((s.reminderSoundAsStored == 1) == s.reminderSound) return s.reminderSoundAsStored;
  return s.reminderSound ? 1 : 0;
}

}  // namespace

void SetSmallOnTop(Settings& s, bool onTop) {
  s.smallOnTop = onTop;
  s.onTopPartAsStored = onTop ? 1 : 0;
}

void SetReminderSound(Settings& s, bool on) {
  s.reminderSound = on;
  s.reminderSoundAsStored = on ? 1 : 0;
}

Settings DefaultSettings() {
  Settings s;
  s.keptLine = kDefaultKeptLine;
  return s;
}

// Layout: kept line, CR LF, x and y as 4-byte little-endian, chime choice, reminder
// sound, chime file, CR LF, view interval, small window mode. No header, no checksum.
std::string EncodeSettings(const Settings& s) {
  std::string out = s.keptLine;
  out += "\r\n";
  AppendInt32(out, s.smallWindowX);
  AppendInt32(out, s.smallWindowY);
  out += static_cast<char>(s.chimeChoice);
  out += static_cast<char>(EncodeReminderSound(s));
  out += s.chimeFile;
  out += "\r\n";
  out += static_cast<char>(s.viewInterval.Stored());
  out += static_cast<char>(EncodeSmallWindowMode(s));
  return out;
}

Settings DecodeSettings(const std::string& bytes) {
  ByteReader reader(bytes);
  Settings s;
  s.keptLine = reader.ReadLine();
  s.smallWindowX = reader.ReadInt32();
  s.smallWindowY = reader.ReadInt32();
  s.chimeChoice = static_cast<ChimeChoice>(reader.ReadInt8());
  s.reminderSoundAsStored = reader.ReadInt8();
  s.reminderSound = s.reminderSoundAsStored == 1;
  s.chimeFile = reader.ReadLine();
  s.viewInterval = ViewInterval::FromStored(reader.ReadInt8());
  DecodeSmallWindowMode(reader.ReadInt8(), s);
  return s;
}
