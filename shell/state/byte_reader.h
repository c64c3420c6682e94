#pragma once
// Reads the program's files the way they were written: text lines ended by CR, LF,
// CR LF or a zero byte, and raw little-endian numbers. Reading past the end yields
// 0 and empty text, never an error.
#include <cstdint>
#include <string>
#include <string_view>

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  bool AtEnd() const { return pos_ >= bytes_.size(); }

  // Bytes up to the first CR, LF, NUL or the end; a CR takes one LF right behind it
  // along, a lone CR leaves the next byte for the following read.
  std::string ReadLine() {
    const size_t start = pos_;
    while (pos_ < bytes_.size()) {
      const char c = bytes_[pos_];
      if (c == '\r' || c == '\n' || c == '\0') break;
      ++pos_;
    }
    std::string line(bytes_.substr(start, pos_ - start));
    if (pos_ < bytes_.size()) {
      const char c = bytes_[pos_++];
      if (c == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    }
    return line;
  }

  int8_t ReadInt8() { return AtEnd() ? int8_t{0} : static_cast<int8_t>(bytes_[pos_++]); }

  int32_t ReadInt32() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const uint32_t b = AtEnd() ? 0u : static_cast<unsigned char>(bytes_[pos_++]);
      value |= b << (8 * i);
    }
    return static_cast<int32_t>(value);
  }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

inline void AppendInt32(std::string& out, int32_t value) {
  const uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
