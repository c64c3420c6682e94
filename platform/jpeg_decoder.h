#pragma once
// JPEG decoding with libjpeg; kept apart so that no Qt type leaks into it.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct DecodedJpeg {
  int width = 0;
  int height = 0;
  // width * height * 4 bytes, rows top to bottom, each pixel one native 0xFFRRGGBB
  // word (blue, green, red, 255 in memory on a little-endian machine): the layout of a
  // 32-bit RGB picture, so the picture needs no conversion after decoding.
  std::vector<uint8_t> bgrx;
};

// False for damaged or unsupported data; never aborts the process.
bool DecodeJpeg(const std::string& bytes, DecodedJpeg& out);

}  // namespace platform
