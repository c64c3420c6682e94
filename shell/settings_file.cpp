#include "shell/settings.h"

#include "shell/byte_reader.h"

const char* const kDefaultKeptLine = "Korvala Organuhr Einstellungen";

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
  out += static_cast<char>(s.reminderSound);
  out += s.chimeFile;
  out += "\r\n";
  out += static_cast<char>(s.viewInterval);
  out += static_cast<char>(s.smallWindowMode);
  return out;
}

Settings DecodeSettings(const std::string& bytes) {
  ByteReader reader(bytes);
  Settings s;
  s.keptLine = reader.ReadLine();
  s.smallWindowX = reader.ReadInt32();
  s.smallWindowY = reader.ReadInt32();
  s.chimeChoice = reader.ReadInt8();
  s.reminderSound = reader.ReadInt8();
  s.chimeFile = reader.ReadLine();
  s.viewInterval = reader.ReadInt8();
  s.smallWindowMode = reader.ReadInt8();
  return s;
}
