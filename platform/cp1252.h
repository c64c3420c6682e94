#pragma once
// The program keeps every text as Windows-1252 bytes; these convert at the edges.
#include <string>
#include <string_view>

namespace platform {

// UTF-8 -> Windows-1252; characters without a Windows-1252 form become '?'.
std::string Cp1252(std::string_view utf8);
// Windows-1252 -> UTF-8; the five unassigned bytes map to the C1 controls of the same value.
std::string Utf8(std::string_view cp1252);
// Unicode code point of one Windows-1252 byte.
char32_t Cp1252CodePoint(unsigned char byte);

}  // namespace platform
