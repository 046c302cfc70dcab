// SPDX-License-Identifier: GPL-3.0-or-later
// Pixels: images of 24-bit colours, and the lines and pictures drawn on them.
// Plain C++ over memory; nothing of the window system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace diplexer {

struct Rgb {
    std::uint8_t r, g, b;
};

// The pixels of a drawing target, row after row, each a 24-bit colour held in
// a 32-bit word 0xffRRGGBB: the layout the window system shows without
// converting it.
struct PixelImage {
    std::uint32_t* pixels;
    int width;
    int height;
    std::ptrdiff_t stride;  // pixels from one row to the next
};

constexpr std::uint32_t PixelOf(Rgb colour) {
    return 0xff000000u | std::uint32_t(colour.r) << 16 | std::uint32_t(colour.g) << 8 | colour.b;
}

// A decoded picture: 3 bytes a pixel (red, green, blue), rows without padding.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width * 3 bytes a row
};

// A one-pixel line with both end points, cut at the edges of the image.
void DrawLine(const PixelImage& image, std::int32_t x0, std::int32_t y0, std::int32_t x1,
              std::int32_t y1, Rgb colour);
// `picture` with its top-left corner at (x, y), unscaled, cut at the edges.
void DrawPicture(const PixelImage& image, const RgbPicture& picture, int x, int y);

}  // namespace diplexer
