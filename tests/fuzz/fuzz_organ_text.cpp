// Organ text files: any bytes load; what is saved loads back as the same text, and
// saving that again gives the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "organs/organ_text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = OrganTextFromFileBytes(bytes);
  const std::string saved = OrganTextFileBytes(text);
  if (saved.size() < 2 || saved.compare(saved.size() - 2, 2, "\r\n") != 0) std::abort();
  if (OrganTextFromFileBytes(saved) != text) std::abort();
  if (OrganTextFileBytes(OrganTextFromFileBytes(saved)) != saved) std::abort();
  return 0;
}
