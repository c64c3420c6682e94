// What the program makes heard: its sounds, the media commands it sends and the media
// devices they open. The commands and plays are heard through the platform's audio
// watch, which this file sets as soon as a test links it.
#include <SDL_mixer.h>

#include <cctype>
#include <map>

#include "platform/audio_watch.h"
#include "platform/sound_table.h"
#include "platform/testing/test_probes.h"

namespace platform {
namespace {

std::vector<std::string>& Sent() {
  static std::vector<std::string> sent;
  return sent;
}

// How many times each sound was started since it was last loaded.
std::map<int, int>& Plays() {
  static std::map<int, int> plays;
  return plays;
}

const bool g_watching = [] {
  AudioWatch& watch = AudioWatchers();
  watch.mediaCommandSent = [](const std::string& text) { Sent().push_back(text); };
  watch.soundLoaded = [](int id) { Plays()[id] = 0; };
  watch.soundStarted = [](int id) { ++Plays()[id]; };
  return true;
}();

}  // namespace

bool IsSoundOutputOpen() { return Sounds().outputOpen; }

bool IsSoundLoaded(int id) { return Sounds().sounds.count(id) > 0; }

int SoundPlayCount(int id) { return IsSoundLoaded(id) ? Plays()[id] : 0; }

const std::vector<std::string>& SentMediaCommands() { return Sent(); }
void ClearSentMediaCommands() { Sent().clear(); }

int OpenMediaDeviceCount() { return static_cast<int>(MediaDevices().devices.size()); }

bool IsMediaPlaying(const std::string& alias) {
  std::string lowered = alias;
  for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const MediaDeviceTable& media = MediaDevices();
  return media.playingAlias == lowered && media.devices.count(lowered) && Mix_PlayingMusic();
}

}  // namespace platform
