#include "platform/media_commands.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <map>

#include "platform/audio_mixer.h"
#include "platform/audio_watch.h"
#include "platform/cp1252.h"
#include "platform/sound_table.h"
#include "platform/whole_file.h"

namespace platform {
namespace {

std::map<std::string, MediaDevice>& g_devices = MediaDevices().devices;
std::string& g_playingAlias = MediaDevices().playingAlias;

bool IsMp3OrWav(Mix_Music* music) {
  const Mix_MusicType type = Mix_GetMusicType(music);
  return type == MUS_WAV || type == MUS_MP3;
}

int Open(const MediaCommand& command) {
  if (g_devices.count(command.alias)) return kMediaDuplicateAlias;
  const std::string path = ResolveFileName(Utf8(command.file));
  if (!FileExists(path)) return kMediaFileNotFound;
  if (mixer::Acquire(true) == mixer::Output::None) return kMediaNoDriver;
  // The content decides the format, not the name: an MP3 called .wav still plays.
  SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
  Mix_Music* music = file ? Mix_LoadMUS_RW(file, 1) : nullptr;
  if (!music || !IsMp3OrWav(music)) {
    if (music) Mix_FreeMusic(music);
    mixer::Release();
    return kMediaNotPlayable;
  }
  g_devices[command.alias].music = music;
  return kMediaOk;
}

int Play(const MediaCommand& command) {
  const auto it = g_devices.find(command.alias);
  if (it == g_devices.end()) return kMediaUnknownAlias;
  if (mixer::Current() != mixer::Output::Audible) return kMediaNoOutputDevice;
  if (!mixer::Resume()) return kMediaPlayFailed;
  // Mix_PlayMusic stops whatever music runs, this device's own included.
  if (Mix_PlayMusic(it->second.music, 0) != 0) return kMediaPlayFailed;
  g_playingAlias = command.alias;
  if (command.from > 0 && Mix_SetMusicPosition(static_cast<double>(command.from) / 1000.0) != 0)
    return kMediaPlayFailed;
  return kMediaOk;
}

void Stop(const std::string& alias) {
  if (g_playingAlias == alias) {
    Mix_HaltMusic();
    g_playingAlias.clear();
  }
}

void CloseDevice(std::map<std::string, MediaDevice>::iterator it) {
  Stop(it->first);
  Mix_FreeMusic(it->second.music);
  g_devices.erase(it);
  mixer::Release();
}

int Close(const MediaCommand& command) {
  if (command.alias == "all") {
    while (!g_devices.empty()) CloseDevice(g_devices.begin());
    return kMediaOk;
  }
  const auto it = g_devices.find(command.alias);
  if (it == g_devices.end()) return kMediaUnknownAlias;
  CloseDevice(it);
  return kMediaOk;
}

}  // namespace

MediaDeviceTable& MediaDevices() {
  static MediaDeviceTable table;
  return table;
}

int SendMediaCommand(const std::string& text) {
  if (AudioWatchers().mediaCommandSent) AudioWatchers().mediaCommandSent(text);
  MediaCommand command;
  if (const int error = ParseMediaCommand(text, command)) return error;
  switch (command.verb) {
    case MediaVerb::Open: return Open(command);
    case MediaVerb::Play: return Play(command);
    case MediaVerb::Stop:
      if (!g_devices.count(command.alias)) return kMediaUnknownAlias;
      Stop(command.alias);
      return kMediaOk;
    case MediaVerb::Close: return Close(command);
  }
  return kMediaUnknownVerb;
}

}  // namespace platform
