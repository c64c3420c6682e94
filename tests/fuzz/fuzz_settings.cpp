// konfig.set reader: any bytes give a settings record, and writing it back and reading
// again gives the same record.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/state/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const Settings first = DecodeSettings(bytes);
  const Settings second = DecodeSettings(EncodeSettings(first));
  if (first.keptLine != second.keptLine || first.chimeFile != second.chimeFile ||
      first.smallWindowX != second.smallWindowX || first.smallWindowY != second.smallWindowY ||
      first.chimeChoice != second.chimeChoice || first.reminderSound != second.reminderSound ||
      first.reminderSoundAsStored != second.reminderSoundAsStored ||
      first.viewInterval != second.viewInterval || first.trayMode != second.trayMode ||
      first.smallOnTop != second.smallOnTop || EncodeSettings(first) != EncodeSettings(second))
    std::abort();
  return 0;
}
