#include "platform/audio_mixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace platform::mixer {
namespace {

int g_holds = 0;
Output g_output = Output::None;

bool OpenMixer() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  Mix_Init(MIX_INIT_MP3);  // a missing MP3 decoder only makes MP3 files fail to load
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

bool OpenSilentMixer() {
  // Overrides SDL_AUDIODRIVER from the environment just for this one opening.
  SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
  const bool opened = OpenMixer();
  SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  return opened;
}

}  // namespace

Output Acquire(bool silentFallback) {
  if (g_holds == 0) {
    if (OpenMixer()) {
      g_output = Output::Audible;
    } else if (silentFallback && OpenSilentMixer()) {
      g_output = Output::Silent;
    } else {
      return Output::None;
    }
  } else if (g_output == Output::Silent && !silentFallback) {
    // Whoever needs a real device cannot get one while the silent mixer is open.
    return Output::None;
  }
  ++g_holds;
  return g_output;
}

void Release() {
  if (g_holds == 0) return;
  if (--g_holds > 0) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  g_output = Output::None;
}

Output Current() { return g_output; }

}  // namespace platform::mixer
