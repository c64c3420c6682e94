#include "platform/jpeg_decoder.h"

#include <bit>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace platform {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

extern "C" void OnJpegError(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  std::longjmp(err->jump, 1);
}

extern "C" void OnJpegMessage(j_common_ptr) {}  // warnings are not shown

}  // namespace

bool DecodeJpeg(const std::string& bytes, DecodedJpeg& out) {
  out = DecodedJpeg{};
  if (bytes.size() < 4) return false;
  jpeg_decompress_struct info{};
  ErrorManager err{};
  info.err = jpeg_std_error(&err.base);
  err.base.error_exit = OnJpegError;
  err.base.output_message = OnJpegMessage;
  // Everything touched after setjmp lives outside this frame or is re-read.
  std::vector<uint8_t>* pixels = &out.bgrx;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&info);
    pixels->clear();
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  // libjpeg-turbo writes the 32-bit layout itself (JCS_EXT_BGRX fills the fourth byte
  // with 255), which spares a conversion pass over every picture at start-up.
  info.out_color_space = std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;
  jpeg_start_decompress(&info);
  const int width = static_cast<int>(info.output_width);
  const int height = static_cast<int>(info.output_height);
  if (info.output_components != 4 || width <= 0 || height <= 0 || width > 16384 || height > 16384) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  pixels->assign(static_cast<size_t>(width) * height * 4, 0);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = pixels->data() + static_cast<size_t>(info.output_scanline) * width * 4;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  out.width = width;
  out.height = height;
  return true;
}

}  // namespace platform
