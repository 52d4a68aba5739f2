// The picture files: bitmaps as LoadBitmap takes them, the icon, and the
// contact sheets' PNG.
#include <string>

#include <gtest/gtest.h>
#include <png.h>

#include "bmp.h"
#include "bytes.h"
#include "ico.h"
#include "png_file.h"

namespace trelux::art {
namespace {

Image sample(int w, int h) {
  Image image(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      image.set(x, y, {static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 50),
                       static_cast<std::uint8_t>(x + y)});
    }
  }
  return image;
}

TEST(Bmp, HeadersAreThoseOfAnUncompressed24BitBitmap) {
  const std::string bmp = encodeBmp(sample(5, 3));
  ASSERT_EQ(bmp.substr(0, 2), "BM");
  // Rows of 5 pixels take 15 bytes, padded to 16.
  EXPECT_EQ(bmp.size(), 14u + 40u + 3u * 16u);
  EXPECT_EQ(getLe32(bmp, 2), bmp.size());
  EXPECT_EQ(getLe32(bmp, 10), 54u);
  EXPECT_EQ(getLe32(bmp, 14), 40u);
  EXPECT_EQ(getLe32(bmp, 18), 5u);
  EXPECT_EQ(getLe32(bmp, 22), 3u);  // positive: bottom row first
  EXPECT_EQ(getLe16(bmp, 28), 24u);
  EXPECT_EQ(getLe32(bmp, 30), 0u);  // BI_RGB
}

TEST(Bmp, StoresTheBottomRowFirstInBlueGreenRedOrder) {
  Image image(1, 2);
  image.set(0, 0, {1, 2, 3});
  image.set(0, 1, {4, 5, 6});
  const std::string bmp = encodeBmp(image);
  EXPECT_EQ(bmp.substr(54, 3), std::string("\x06\x05\x04", 3));
  EXPECT_EQ(bmp.substr(58, 3), std::string("\x03\x02\x01", 3));
}

TEST(Bmp, ReadsBackWhatItWrites) {
  const Image image = sample(7, 4);
  const auto back = decodeBmp(encodeBmp(image));
  ASSERT_TRUE(back);
  ASSERT_EQ(back->width(), 7);
  ASSERT_EQ(back->height(), 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 7; ++x) EXPECT_EQ(back->at(x, y), image.at(x, y));
  }
}

TEST(Bmp, RefusesOtherFormats) {
  std::string bmp = encodeBmp(sample(2, 2));
  EXPECT_FALSE(decodeBmp("BM"));
  EXPECT_FALSE(decodeBmp("XX" + bmp.substr(2)));
  std::string eightBit = bmp;
  eightBit[28] = 8;
  EXPECT_FALSE(decodeBmp(eightBit));
  EXPECT_FALSE(decodeBmp(bmp.substr(0, bmp.size() - 1)));
}

TEST(Ico, DirectoryListsEachSizeWithItsImageAndMask) {
  std::vector<IconImage> images;
  for (const int size : {16, 32, 48}) {
    IconImage icon{sample(size, size), std::vector<bool>(size * size, false)};
    icon.transparent[0] = true;
    images.push_back(icon);
  }
  const std::string ico = encodeIco(images);
  EXPECT_EQ(getLe16(ico, 0), 0u);
  EXPECT_EQ(getLe16(ico, 2), 1u);
  EXPECT_EQ(getLe16(ico, 4), 3u);
  for (int i = 0; i < 3; ++i) {
    const std::size_t entry = 6 + 16 * i;
    const int expected = (i + 1) * 16;
    EXPECT_EQ(static_cast<std::uint8_t>(ico[entry]), expected);
    const std::uint32_t bytes = getLe32(ico, entry + 8);
    const std::uint32_t offset = getLe32(ico, entry + 12);
    ASSERT_LE(offset + bytes, ico.size());
    // The DIB's height counts image and mask; the mask has 1 bit a pixel in
    // rows of whole 32-bit words.
    EXPECT_EQ(getLe32(ico, offset + 8), static_cast<std::uint32_t>(2 * expected));
    const std::uint32_t colour = ((expected * 3 + 3) & ~3) * expected;
    const std::uint32_t mask = ((expected + 31) / 32) * 4 * expected;
    EXPECT_EQ(bytes, 40 + colour + mask);
    // Pixel (0, 0) is transparent: top row, stored last, first bit.
    const std::size_t lastMaskRow = offset + 40 + colour + mask - ((expected + 31) / 32) * 4;
    EXPECT_EQ(static_cast<std::uint8_t>(ico[lastMaskRow]) & 0x80, 0x80);
  }
}

// Reads the picture back with libpng: its size, then the pixels as RGB.
Image decodePng(const std::string& png) {
  png_image read{};
  read.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&read, png.data(), png.size())) return {};
  EXPECT_EQ(read.format, static_cast<png_uint_32>(PNG_FORMAT_RGB));  // truecolour, no alpha
  std::string pixels(PNG_IMAGE_SIZE(read), '\0');
  read.format = PNG_FORMAT_RGB;
  if (!png_image_finish_read(&read, nullptr, pixels.data(), 0, nullptr)) return {};
  Image image(static_cast<int>(read.width), static_cast<int>(read.height));
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const std::size_t at = 3 * (static_cast<std::size_t>(y) * read.width + x);
      image.set(x, y, {static_cast<std::uint8_t>(pixels[at]), static_cast<std::uint8_t>(pixels[at + 1]),
                       static_cast<std::uint8_t>(pixels[at + 2])});
    }
  }
  return image;
}

TEST(Png, ReadsBackAsTheSamePicture) {
  const Image image = sample(7, 5);
  const Image read = decodePng(encodePng(image));
  ASSERT_EQ(read.width(), 7);
  ASSERT_EQ(read.height(), 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) EXPECT_EQ(read.at(x, y), image.at(x, y)) << x << ", " << y;
  }
}

TEST(Png, FlatAreasAreCompressed) {
  Image image(300, 200, {20, 40, 60});
  image.fillRect(10, 10, 100, 50, {200, 0, 0});
  EXPECT_LT(encodePng(image).size(), 2000u);  // of 180 000 bytes of pixels
}

}  // namespace
}  // namespace trelux::art
