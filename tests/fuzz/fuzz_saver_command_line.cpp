// organsaver's command line: any text gives one of the four modes; the preview handle
// is read without overflow.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "saver/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const auto parameters = organsaver::SplitCommandLineParameters(line);
  const organsaver::SaverCommand command = organsaver::ReadSaverCommand(parameters);
  if (command.modeArg.size() > 2) std::abort();
  organsaver::ReadDecimalHandle(line);
  organsaver::ReadXWindowId(line);
  organsaver::FindXScreenSaverHost(parameters, size > 0 ? line.c_str() : nullptr);
  return 0;
}
