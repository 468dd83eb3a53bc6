#include <png.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tray/tray_image.h"

namespace {

struct Decoded {
  png_uint_32 width = 0, height = 0;
  int bitDepth = 0, colorType = 0, interlace = 0;
  std::vector<unsigned char> rgba;
};

Decoded DecodeTrayImage() {
  png_image image;
  std::memset(&image, 0, sizeof(image));
  image.version = PNG_IMAGE_VERSION;
  Decoded decoded;
  if (!png_image_begin_read_from_memory(&image, kTrayImage, kTrayImageSize)) {
    ADD_FAILURE() << "libpng: " << image.message;
    return decoded;
  }
  image.format = PNG_FORMAT_RGBA;
  decoded.width = image.width;
  decoded.height = image.height;
  decoded.rgba.resize(PNG_IMAGE_SIZE(image));
  EXPECT_TRUE(png_image_finish_read(&image, nullptr, decoded.rgba.data(), 0, nullptr))
      << image.message;
  return decoded;
}

unsigned Alpha(const Decoded& image, unsigned x, unsigned y) {
  return image.rgba[(y * image.width + x) * 4 + 3];
}

}  // namespace

TEST(TrayImage, IsA64x64RgbaPngWithTransparentCornersAndOpaqueCentre) {
  // The header: 8-bit RGBA, not interlaced.
  ASSERT_GT(kTrayImageSize, 33u);
  EXPECT_EQ(0, std::memcmp(kTrayImage, "\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(kTrayImage[24], 8) << "bit depth";
  EXPECT_EQ(kTrayImage[25], 6) << "colour type";
  EXPECT_EQ(kTrayImage[28], 0) << "interlace";

  const Decoded image = DecodeTrayImage();
  ASSERT_EQ(image.width, 64u);
  ASSERT_EQ(image.height, 64u);
  for (auto [x, y] : {std::pair{0u, 0u}, {63u, 0u}, {0u, 63u}, {63u, 63u}}) {
    SCOPED_TRACE(testing::Message() << "corner " << x << "," << y);
    EXPECT_EQ(Alpha(image, x, y), 0u);
  }
  EXPECT_EQ(Alpha(image, 32, 32), 255u);
  EXPECT_EQ(Alpha(image, 10, 32), 255u) << "inside the disc, left of the ideograph";
  // The disc's edge is smoothed: some pixels are neither clear nor opaque.
  int partial = 0;
  for (unsigned x = 0; x < 64; ++x) partial += Alpha(image, x, 5) > 0 && Alpha(image, x, 5) < 255;
  EXPECT_GT(partial, 0);
}
