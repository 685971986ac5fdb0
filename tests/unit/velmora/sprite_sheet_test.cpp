// The shipped sprite sheet keeps the layout the scene relies on: 1140 x 838 at
// 8 bits, palette entry 0 black, and black everywhere outside the images, so that
// a sparkle ORed onto the screen shows exactly its own pixels.
#include "saver/bas_sprites.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace velmora {
namespace {

std::uint32_t le32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

TEST(SpriteSheet, LayoutMatchesTheImageTable) {
    std::ifstream file(VELMORA_SOURCE_DIR "/resources/velmora_sprites.bmp", std::ios::binary);
    const std::vector<unsigned char> bmp((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(bmp.size(), 54u);
    ASSERT_EQ(bmp[0], 'B');
    ASSERT_EQ(bmp[1], 'M');
    const std::uint32_t pixels_at = le32(bmp, 10), header_size = le32(bmp, 14);
    const auto width = static_cast<std::int32_t>(le32(bmp, 18)), height = static_cast<std::int32_t>(le32(bmp, 22));
    ASSERT_EQ(width, 1140);
    ASSERT_EQ(height, 838);  // positive: stored bottom row first
    ASSERT_EQ(bmp[28], 8);   // bits per pixel
    ASSERT_EQ(le32(bmp, 30), 0u);  // uncompressed
    const std::size_t palette_at = 14 + header_size;
    EXPECT_EQ(bmp[palette_at] | bmp[palette_at + 1] | bmp[palette_at + 2], 0) << "palette entry 0 must be black";

    const std::size_t stride = (width + 3) & ~3;
    ASSERT_GE(bmp.size(), pixels_at + stride * height);
    auto index_at = [&](int x, int y) { return bmp[pixels_at + stride * (height - 1 - y) + x]; };

    Scene scene;
    testing::ScriptedRandom random;
    init_sprites(scene, random);
    auto inside_an_image = [&](int x, int y) {
        for (int row = 1; row <= 18; ++row) {
            const ImageRow& r = scene.image_table[row];
            if (x >= r.src_x && x < r.src_x + r.width && y >= r.src_y && y < r.src_y + r.height) return true;
        }
        return false;
    };
    int stray = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (!inside_an_image(x, y) && index_at(x, y) != 0) ++stray;
    EXPECT_EQ(stray, 0) << "pixels outside the images must be index 0";

    const ImageRow& last_sparkle = scene.image_table[18];
    for (int y = 0; y < last_sparkle.height; ++y)
        for (int x = 0; x < last_sparkle.width; ++x)
            ASSERT_EQ(index_at(last_sparkle.src_x + x, last_sparkle.src_y + y), 0) << "the last sparkle is all black";
}

}  // namespace
}  // namespace velmora
