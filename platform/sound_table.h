#pragma once
// The sounds loaded through sounds.h and the media devices open through
// media_commands.h, each by its key.
//
// Only code inside platform/ uses this.
#include <map>
#include <string>

struct Mix_Chunk;
struct _Mix_Music;

namespace platform {

struct LoadedSound {
  Mix_Chunk* chunk = nullptr;
  int channel = -1;  // where its last run was started
};

struct SoundTable {
  bool outputOpen = false;
  std::map<int, LoadedSound> sounds;
};
SoundTable& Sounds();

struct MediaDevice {
  _Mix_Music* music = nullptr;
};

struct MediaDeviceTable {
  std::map<std::string, MediaDevice> devices;  // by lower-case alias
  std::string playingAlias;                    // the device the mixer's music belongs to
};
MediaDeviceTable& MediaDevices();

}  // namespace platform
