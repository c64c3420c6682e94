#include "platform/sounds.h"

#include <SDL_mixer.h>

#include <map>

#include "platform/audio_mixer.h"
#include "platform/cp1252.h"
#include "platform/test_probes.h"
#include "platform/whole_file.h"

namespace platform {
namespace {

struct Sound {
  Mix_Chunk* chunk = nullptr;
  int channel = -1;  // where its last run was started
  int plays = 0;
};

bool g_outputOpen = false;
std::map<int, Sound> g_sounds;

void Free(Sound& sound) {
  // With the device closed nothing plays, and the channel calls must not run.
  if (mixer::DeviceOpen() && sound.channel >= 0 && Mix_GetChunk(sound.channel) == sound.chunk)
    Mix_HaltChannel(sound.channel);
  Mix_FreeChunk(sound.chunk);
  sound.chunk = nullptr;
}

}  // namespace

bool InitSoundOutput() {
  if (g_outputOpen) return true;
  // The reminder sound needs a real device; a silent stand-in would hide the failure.
  g_outputOpen = mixer::Acquire(false) == mixer::Output::Audible;
  return g_outputOpen;
}

bool IsSoundOutputOpen() { return g_outputOpen; }

bool LoadSound(int id, const std::string& name) {
  if (auto it = g_sounds.find(id); it != g_sounds.end()) {
    Free(it->second);
    g_sounds.erase(it);
  }
  if (!g_outputOpen) return false;
  const std::string path = ResolveFileName(Utf8(name));
  if (!FileExists(path) || !mixer::Resume()) return false;
  Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
  if (!chunk) return false;
  g_sounds[id].chunk = chunk;
  return true;
}

bool IsSoundLoaded(int id) { return g_sounds.count(id) > 0; }

bool PlaySound(int id) {
  const auto it = g_sounds.find(id);
  if (it == g_sounds.end()) return false;
  Sound& sound = it->second;
  if (!mixer::Resume()) return false;
  if (sound.channel >= 0 && Mix_GetChunk(sound.channel) == sound.chunk && Mix_Playing(sound.channel))
    Mix_HaltChannel(sound.channel);
  sound.channel = Mix_PlayChannel(-1, sound.chunk, 0);
  if (sound.channel < 0) return false;
  ++sound.plays;
  return true;
}

int SoundPlayCount(int id) {
  const auto it = g_sounds.find(id);
  return it == g_sounds.end() ? 0 : it->second.plays;
}

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
