#include "sound/release_sounds.h"

#include "platform/sounds.h"
#include "sound/chime.h"

void ReleaseSounds() {
  platform::CloseSoundOutput();
  CloseChime();
}
