// Decoding of the embedded JPEG pictures: the pixels come out in the 32-bit layout the
// pictures are kept in, with the colour channels in the right places.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "platform/jpeg_decoder.h"

namespace {

// 16 x 8 pixels, quality 100, no chroma subsampling: the left half pure red, the
// right half pure blue.
const std::string kRedBlueJpeg(
    "\xff\xd8\xff\xe0\x00\x10\x4a\x46\x49\x46\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00\xff\xdb\x00\x43"
    "\x00\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01"
    "\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01"
    "\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\xff\xdb\x00\x43\x01\x01\x01"
    "\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01"
    "\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01"
    "\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\xff\xc0\x00\x11\x08\x00\x08\x00\x10\x03"
    "\x01\x11\x00\x02\x11\x01\x03\x11\x01\xff\xc4\x00\x14\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x09\xff\xc4\x00\x14\x10\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\xff\xc4\x00\x16\x01\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x0b\x09\x0a\xff\xc4\x00\x14\x11\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\xff\xda\x00\x0c\x03\x01\x00\x02\x11\x03\x11\x00\x3f\x00\x17\xd2\x9d\xbf\x81\x0e\x55"
    "\x01\xaf\xbf\xff\xd9",
    293);

struct Pixel {
  int x, y, red, green, blue;
};

class JpegDecoderTest : public testing::TestWithParam<Pixel> {};

TEST_P(JpegDecoderTest, PixelHasItsColourInTheThirtyTwoBitLayout) {
  platform::DecodedJpeg decoded;
  ASSERT_TRUE(platform::DecodeJpeg(kRedBlueJpeg, decoded));
  ASSERT_EQ(decoded.width, 16);
  ASSERT_EQ(decoded.height, 8);
  ASSERT_EQ(decoded.bgrx.size(), 16u * 8u * 4u);
  const Pixel& p = GetParam();
  // One native 0xFFRRGGBB word per pixel, as a 32-bit RGB picture holds it.
  uint32_t word = 0;
  std::memcpy(&word, decoded.bgrx.data() + (static_cast<size_t>(p.y) * 16 + p.x) * 4, 4);
  EXPECT_EQ(word >> 24, 0xFFu);
  EXPECT_NEAR(static_cast<int>((word >> 16) & 0xFF), p.red, 4);
  EXPECT_NEAR(static_cast<int>((word >> 8) & 0xFF), p.green, 4);
  EXPECT_NEAR(static_cast<int>(word & 0xFF), p.blue, 4);
}

INSTANTIATE_TEST_SUITE_P(Corners, JpegDecoderTest,
                         testing::Values(Pixel{0, 0, 255, 0, 0}, Pixel{3, 7, 255, 0, 0},
                                         Pixel{15, 0, 0, 0, 255}, Pixel{12, 7, 0, 0, 255}));

TEST(JpegDecoderRejects, DamagedData) {
  platform::DecodedJpeg decoded;
  EXPECT_FALSE(platform::DecodeJpeg(kRedBlueJpeg.substr(0, 40), decoded));
  EXPECT_TRUE(decoded.bgrx.empty());
  EXPECT_FALSE(platform::DecodeJpeg("not a picture", decoded));
}

}  // namespace
