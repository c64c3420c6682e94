#pragma once
// JPEG decoding with libjpeg; kept apart so that no Qt type leaks into it.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct DecodedJpeg {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // width * height * 3 bytes, rows top to bottom
};

// False for damaged or unsupported data; never aborts the process.
bool DecodeJpeg(const std::string& bytes, DecodedJpeg& out);

}  // namespace platform
