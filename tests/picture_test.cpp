// SPDX-License-Identifier: GPL-3.0-or-later
// The embedded schematic picture and the decoder's handling of damaged data.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "app/jpeg_decoder.h"
#include "app/schematic_data.h"

using namespace diplexer;

namespace {

std::vector<unsigned char> Embedded() {
    return std::vector<unsigned char>(kSchematicJpeg, kSchematicJpeg + kSchematicJpegSize);
}

struct Pixel {
    int r, g, b;
};

Pixel At(const RgbPicture& p, int x, int y) {
    const unsigned char* q =
        &p.pixels[(std::size_t(y) * std::size_t(p.width) + std::size_t(x)) * 3];
    return Pixel{q[0], q[1], q[2]};
}

bool Near(Pixel p, Pixel want, int tolerance) {
    return std::abs(p.r - want.r) <= tolerance && std::abs(p.g - want.g) <= tolerance &&
           std::abs(p.b - want.b) <= tolerance;
}

TEST(SchematicPicture, ShowsTheNetworkOnWhite) {
    RgbPicture picture;
    ASSERT_TRUE(DecodeJpeg(kSchematicJpeg, kSchematicJpegSize, picture));
    ASSERT_EQ(picture.width, 560);
    ASSERT_EQ(picture.height, 270);
    const Pixel wire{42, 100, 50}, part{20, 12, 125}, dot{235, 5, 20}, white{255, 255, 255};
    const struct {
        int x, y;
        Pixel colour;
    } marks[] = {
        {200, 56, wire},   {56, 90, wire},    {480, 200, wire},  {224, 70, wire},   // wires
        {224, 56, dot},    {224, 80, dot},    {224, 160, dot},                      // junctions
        {334, 56, part},   {338, 50, part},   {248, 110, part},  {248, 118, part},  // C2, C1
        {56, 125, part},   {480, 118, part},  {224, 230, part},  {52, 242, part},   // leads, ground
        {300, 150, white}, {120, 125, white}, {430, 138, white}, {150, 40, white},  // field places
    };
    for (const auto& m : marks) {
        EXPECT_TRUE(Near(At(picture, m.x, m.y), m.colour, 40)) << m.x << "," << m.y;
    }
    // Nothing right of x = 488 or below y = 242 (beyond the blur of the edges).
    for (int y = 0; y < 270; ++y) {
        for (int x = 0; x < 560; ++x) {
            if (x > 492 || y > 246) {
                ASSERT_TRUE(Near(At(picture, x, y), white, 12)) << x << "," << y;
            }
        }
    }
}

TEST(SchematicPicture, DamagedDataDecodesToNothing) {
    const std::vector<unsigned char> good = Embedded();
    std::vector<std::vector<unsigned char>> damaged;
    for (std::size_t length : {std::size_t(0), std::size_t(2), std::size_t(20), std::size_t(300),
                               good.size() / 2, good.size() - 2}) {
        damaged.emplace_back(good.begin(), good.begin() + std::ptrdiff_t(length));
    }
    auto broken = good;
    broken[0] = 0;  // no start-of-image marker
    damaged.push_back(broken);
    broken = good;
    broken[3] ^= 0xff;  // a marker that is no marker
    damaged.push_back(broken);
    damaged.push_back({0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'});
    for (const auto& bytes : damaged) {
        RgbPicture picture;
        picture.width = 7;
        EXPECT_FALSE(DecodeJpeg(bytes.data(), bytes.size(), picture)) << bytes.size() << " bytes";
        EXPECT_EQ(picture.width, 0);
        EXPECT_TRUE(picture.pixels.empty());
    }
    RgbPicture picture;
    EXPECT_FALSE(DecodeJpeg(nullptr, 0, picture));
}

// A small JPEG of 16 x 8 pixels, grey or in colour, made here with the encoder.
std::vector<unsigned char> SmallJpeg(bool colour) {
    jpeg_compress_struct encoder{};
    jpeg_error_mgr errors{};
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &buffer, &size);
    encoder.image_width = 16;
    encoder.image_height = 8;
    encoder.input_components = colour ? 3 : 1;
    encoder.in_color_space = colour ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&encoder);
    jpeg_start_compress(&encoder, TRUE);
    std::vector<unsigned char> row(16 * std::size_t(encoder.input_components), 128);
    while (encoder.next_scanline < encoder.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&encoder, &r, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    std::vector<unsigned char> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

TEST(SchematicPicture, AGreyPictureIsNotTaken) {
    const std::vector<unsigned char> grey = SmallJpeg(false);
    ASSERT_GT(grey.size(), 100u);
    RgbPicture picture;
    EXPECT_FALSE(DecodeJpeg(grey.data(), grey.size(), picture));
    EXPECT_TRUE(picture.pixels.empty());
}

// A header may claim any size up to 65500 x 65500 pixels; the decoder takes
// pictures of up to 4096 x 4096 and refuses larger ones before it allocates.
TEST(SchematicPicture, AHugeSizeIsRefusedAtOnce) {
    const std::vector<unsigned char> small = SmallJpeg(true);
    RgbPicture picture;
    ASSERT_TRUE(DecodeJpeg(small.data(), small.size(), picture));
    ASSERT_EQ(picture.width, 16);
    // The frame header: FF C0, its length, the precision, then height and width.
    std::size_t frame = 0;
    while (frame + 9 < small.size() && !(small[frame] == 0xff && small[frame + 1] == 0xc0)) {
        ++frame;
    }
    ASSERT_LT(frame + 9, small.size());
    const struct {
        const char* name;
        unsigned height, width;
        bool decoded;
    } cases[] = {
        {"65500 x 65500: too large", 65500, 65500, false},
        {"4096 x 4097: too large", 4096, 4097, false},
        {"1 x 65500: too few data", 1, 65500, false},
        {"8 x 16: as encoded", 8, 16, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<unsigned char> claimed = small;
        claimed[frame + 5] = static_cast<unsigned char>(c.height >> 8);
        claimed[frame + 6] = static_cast<unsigned char>(c.height);
        claimed[frame + 7] = static_cast<unsigned char>(c.width >> 8);
        claimed[frame + 8] = static_cast<unsigned char>(c.width);
        const auto start = std::chrono::steady_clock::now();
        const bool decoded = DecodeJpeg(claimed.data(), claimed.size(), picture);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
        EXPECT_EQ(decoded, c.decoded);
        EXPECT_EQ(picture.pixels.size(), decoded ? 16u * 8u * 3u : 0u);
    }
}

}  // namespace
