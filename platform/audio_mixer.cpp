#include "platform/audio_mixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/events.h"

namespace platform::mixer {
namespace {

int g_holds = 0;
Output g_output = Output::None;
// The device itself is closed while nothing plays: an open SDL device keeps its
// thread waking about twenty times a second even when it only plays silence.
bool g_suspended = false;

// The end of a sound is an event of its own: the main loop then closes the idle device
// at once instead of finding out at its next look at the clock. Called on SDL's audio
// thread (or inside a halt), so it only wakes the main loop.
void OnChannelFinished(int) { WakeMainLoop(); }
void OnMusicFinished() { WakeMainLoop(); }

void WatchSoundEnds() {
  Mix_ChannelFinished(OnChannelFinished);
  Mix_HookMusicFinished(OnMusicFinished);
}

bool OpenDevice(Output output) {
  if (output == Output::Silent) SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
  const bool opened = Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) == 0;
  if (output == Output::Silent) SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  if (opened) WatchSoundEnds();
  return opened;
}

bool OpenMixer() {
  // SIGTERM and SIGINT end the program in order through its own handlers; SDL would
  // otherwise take them over as quit events that nobody reads.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  Mix_Init(MIX_INIT_MP3);  // a missing MP3 decoder only makes MP3 files fail to load
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  WatchSoundEnds();
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
  if (g_holds > 0 && !Resume()) return Output::None;
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
  // SDL_mixer's channel calls must not run while the device is closed.
  if (!g_suspended) {
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
  }
  g_suspended = false;
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  g_output = Output::None;
}

bool Resume() {
  if (g_holds == 0) return false;
  if (!g_suspended) return true;
  // The same format as before, so loaded sounds and music play on unchanged.
  if (!OpenDevice(g_output)) return false;
  g_suspended = false;
  return true;
}

void SuspendWhenIdle() {
  if (g_holds == 0 || g_suspended) return;
  if (Mix_Playing(-1) > 0 || Mix_PlayingMusic()) return;
  Mix_CloseAudio();
  g_suspended = true;
}

bool DeviceOpen() { return g_holds > 0 && !g_suspended; }

Output Current() { return g_output; }

}  // namespace platform::mixer
