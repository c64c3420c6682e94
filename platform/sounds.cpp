#include "platform/sounds.h"

#include <SDL_mixer.h>

#include <map>

#include "platform/audio_mixer.h"
#include "platform/audio_watch.h"
#include "platform/cp1252.h"
#include "platform/sound_table.h"
#include "platform/whole_file.h"

namespace platform {
namespace {

bool& g_outputOpen = Sounds().outputOpen;
std::map<int, LoadedSound>& g_sounds = Sounds().sounds;

void Free(LoadedSound& sound) {
  // With the device closed nothing plays, and the channel calls must not run.
  if (mixer::DeviceOpen() && sound.channel >= 0 && Mix_GetChunk(sound.channel) == sound.chunk)
    Mix_HaltChannel(sound.channel);
  Mix_FreeChunk(sound.chunk);
  sound.chunk = nullptr;
}

}  // namespace

SoundTable& Sounds() {
  static SoundTable table;
  return table;
}

AudioWatch& AudioWatchers() {
  static AudioWatch watch;
  return watch;
}

bool InitSoundOutput() {
  if (g_outputOpen) return true;
  // The reminder sound needs a real device; a silent stand-in would hide the failure.
  g_outputOpen = mixer::Acquire(false) == mixer::Output::Audible;
  return g_outputOpen;
}

bool LoadSound(int id, const std::string& name) {
  if (auto it = g_sounds.find(id); it != g_sounds.end()) {
    Free(it->second);
    g_sounds.erase(it);
  }
  if (AudioWatchers().soundLoaded) AudioWatchers().soundLoaded(id);
  if (!g_outputOpen) return false;
  const std::string path = ResolveFileName(Utf8(name));
  if (!FileExists(path) || !mixer::Resume()) return false;
  Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
  if (!chunk) return false;
  g_sounds[id].chunk = chunk;
  return true;
}

bool PlaySound(int id) {
  const auto it = g_sounds.find(id);
  if (it == g_sounds.end()) return false;
  LoadedSound& sound = it->second;
  if (!mixer::Resume()) return false;
  if (sound.channel >= 0 && Mix_GetChunk(sound.channel) == sound.chunk && Mix_Playing(sound.channel))
    Mix_HaltChannel(sound.channel);
  sound.channel = Mix_PlayChannel(-1, sound.chunk, 0);
  if (sound.channel < 0) return false;
  if (AudioWatchers().soundStarted) AudioWatchers().soundStarted(id);
  return true;
}

void SuspendAudioWhenIdle() { mixer::SuspendWhenIdle(); }

void FreeAllSounds() {
  for (auto& [id, sound] : g_sounds) Free(sound);
  g_sounds.clear();
}

void CloseSoundOutput() {
  FreeAllSounds();
  if (!g_outputOpen) return;
  g_outputOpen = false;
  mixer::Release();
}

}  // namespace platform
