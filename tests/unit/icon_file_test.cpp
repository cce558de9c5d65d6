// The committed program icon, as the resource compiler takes it: a 32 x 32
// and a 16 x 16 image, each 8 bits per pixel with a 256-colour palette and a
// transparency mask.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace jukett {
namespace {

std::vector<std::uint8_t> ReadIcon() {
  std::ifstream file(JUKETT_SOURCE_DIR "/app/jukett.ico", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t Little(const std::vector<std::uint8_t>& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | bytes.at(at + i);
  return value;
}

struct Image {
  int size;
  std::uint32_t bytes;
  std::uint32_t offset;
};

TEST(IconFile, HoldsBothSizesInEightBitsWithAMask) {
  const auto icon = ReadIcon();
  ASSERT_GE(icon.size(), 6u + 2 * 16);
  EXPECT_EQ(Little(icon, 0, 2), 0u);
  EXPECT_EQ(Little(icon, 2, 2), 1u);  // an icon, not a cursor
  ASSERT_EQ(Little(icon, 4, 2), 2u);

  std::vector<Image> images;
  for (std::size_t entry = 6; entry < 6 + 2 * 16; entry += 16) {
    const int size = icon[entry] == 0 ? 256 : icon[entry];
    EXPECT_EQ(icon[entry + 1], icon[entry]);
    EXPECT_EQ(icon[entry + 2], 0);  // 0 colours here means 256
    EXPECT_EQ(Little(icon, entry + 4, 2), 1u);
    EXPECT_EQ(Little(icon, entry + 6, 2), 8u);
    images.push_back({size, Little(icon, entry + 8, 4), Little(icon, entry + 12, 4)});
  }
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[0].size, 32);
  EXPECT_EQ(images[1].size, 16);

  for (const Image& image : images) {
    SCOPED_TRACE(image.size);
    ASSERT_LE(std::size_t{image.offset} + image.bytes, icon.size());
    const std::size_t header = image.offset;
    EXPECT_EQ(Little(icon, header, 4), 40u);
    EXPECT_EQ(Little(icon, header + 4, 4), std::uint32_t(image.size));
    // The height counts the colour image and the mask together.
    EXPECT_EQ(Little(icon, header + 8, 4), std::uint32_t(image.size * 2));
    EXPECT_EQ(Little(icon, header + 14, 2), 8u);
    EXPECT_EQ(Little(icon, header + 16, 4), 0u);  // uncompressed
    // Rows of both images are padded to whole 32-bit words.
    const std::uint32_t colourRow = (image.size + 3) / 4 * 4;
    const std::uint32_t maskRow = (image.size + 31) / 32 * 4;
    const std::uint32_t palette = 256 * 4;
    EXPECT_EQ(image.bytes, 40 + palette + (colourRow + maskRow) * image.size);

    // The mask makes the corners transparent and keeps the disc at the top
    // right and the notes at the bottom left (whose mirror image would be
    // transparent).
    const std::size_t mask = header + 40 + palette + colourRow * image.size;
    const auto transparent = [&](int x, int y) {
      const std::size_t row = mask + maskRow * (image.size - 1 - y);  // stored bottom up
      return (icon.at(row + x / 8) & (0x80 >> (x % 8))) != 0;
    };
    EXPECT_TRUE(transparent(0, 0));
    EXPECT_TRUE(transparent(image.size - 1, image.size - 1));
    EXPECT_FALSE(transparent(image.size * 85 / 100, image.size * 40 / 100));
    EXPECT_FALSE(transparent(image.size * 15 / 100, image.size * 86 / 100));
  }
}

}  // namespace
}  // namespace jukett
