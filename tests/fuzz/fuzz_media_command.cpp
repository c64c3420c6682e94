// The media command parser: any text is accepted or refused with an error code, and an
// accepted command names an alias.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/media_command_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  platform::MediaCommand command;
  const int result = platform::ParseMediaCommand(text, command);
  if (result < 0 || result > platform::kMediaNoDriver) std::abort();
  if (result == platform::kMediaOk && command.alias.empty()) std::abort();
  return 0;
}
