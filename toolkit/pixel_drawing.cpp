// SPDX-License-Identifier: GPL-3.0-or-later
// Lines and pictures onto a pixel image. No toolkit calls here: the same code
// serves the window surface and every canvas.
#include <algorithm>
#include <cstdint>

#include "toolkit/pixels.h"

namespace diplexer {

namespace {

void Plot(const PixelImage& image, std::int64_t x, std::int64_t y, Rgb colour) {
    image.pixels[y * image.stride + x] = PixelOf(colour);
}

// floor((a * b + add) / c) and its remainder, for 0 <= a, b < 2^35, 0 <= add < c < 2^36,
// without 128-bit arithmetic.
void MulAddDivide(std::uint64_t a, std::uint64_t b, std::uint64_t add, std::uint64_t c,
                  std::uint64_t& quotient, std::uint64_t& remainder) {
    const std::uint64_t high = a * (b >> 16);    // < 2^54
    const std::uint64_t low = a * (b & 0xffff);  // < 2^51
    const std::uint64_t q1 = high / c;
    const std::uint64_t rest = ((high % c) << 16) + low + add;  // < 2^53
    quotient = (q1 << 16) + rest / c;
    remainder = rest % c;
}

// Walks a line along its major axis m (with its minor axis n), only over the
// part of the major axis inside [0, majorSize), setting the pixels whose minor
// coordinate falls inside [0, minorSize). The minor coordinate is the exact
// line through both end points, rounded half away from the start.
template <typename PlotAt>
void WalkLine(std::int64_t m0, std::int64_t n0, std::int64_t m1, std::int64_t n1,
              std::int64_t majorSize, std::int64_t minorSize, PlotAt plotAt) {
    if (m0 > m1) {
        std::swap(m0, m1);
        std::swap(n0, n1);
    }
    const std::int64_t first = std::max<std::int64_t>(m0, 0);
    const std::int64_t last = std::min<std::int64_t>(m1, majorSize - 1);
    if (first > last) {
        return;
    }
    const std::uint64_t dm = std::uint64_t(m1 - m0);  // > 0, < 2^33
    const std::int64_t step = n1 >= n0 ? 1 : -1;
    const std::uint64_t dn = std::uint64_t(n1 >= n0 ? n1 - n0 : n0 - n1);  // <= dm
    // offset of the minor coordinate at major coordinate m:
    // round((m - m0) * dn / dm) = floor(((m - m0) * 2dn + dm) / 2dm)
    std::uint64_t offset = 0;
    std::uint64_t error = 0;
    MulAddDivide(std::uint64_t(first - m0), 2 * dn, dm, 2 * dm, offset, error);
    for (std::int64_t m = first; m <= last; ++m) {
        const std::int64_t n = n0 + step * std::int64_t(offset);
        if (n >= 0 && n < minorSize) {
            plotAt(m, n);
        } else if ((step > 0 && n >= minorSize) || (step < 0 && n < 0)) {
            return;  // gone past the far edge: nothing more to draw
        }
        error += 2 * dn;
        if (error >= 2 * dm) {
            error -= 2 * dm;
            ++offset;
        }
    }
}

// A line along a row (or a column) at `fixed`: every pixel from a to b
// inclusive that lies inside the image.
void DrawRun(const PixelImage& image, bool alongRow, std::int64_t fixed, std::int64_t a,
             std::int64_t b, Rgb colour) {
    const std::int64_t length = alongRow ? image.width : image.height;
    const std::int64_t across = alongRow ? image.height : image.width;
    if (fixed < 0 || fixed >= across) {
        return;
    }
    const std::int64_t last = std::min(std::max(a, b), length - 1);
    for (std::int64_t t = std::max<std::int64_t>(std::min(a, b), 0); t <= last; ++t) {
        Plot(image, alongRow ? t : fixed, alongRow ? fixed : t, colour);
    }
}

}  // namespace

void DrawLine(const PixelImage& image, std::int32_t x0, std::int32_t y0, std::int32_t x1,
              std::int32_t y1, Rgb colour) {
    const std::int64_t w = image.width;
    const std::int64_t h = image.height;
    const std::int64_t dx = std::int64_t(x1) - x0;
    const std::int64_t dy = std::int64_t(y1) - y0;
    if (dy == 0) {
        DrawRun(image, true, y0, x0, x1, colour);
        return;
    }
    if (dx == 0) {
        DrawRun(image, false, x0, y0, y1, colour);
        return;
    }
    if ((dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy)) {
        WalkLine(x0, y0, x1, y1, w, h,
                 [&](std::int64_t x, std::int64_t y) { Plot(image, x, y, colour); });
    } else {
        WalkLine(y0, x0, y1, x1, h, w,
                 [&](std::int64_t y, std::int64_t x) { Plot(image, x, y, colour); });
    }
}

void DrawPicture(const PixelImage& image, const RgbPicture& picture, int x, int y) {
    // In 64 bits: a corner near the end of the int range plus the picture's
    // size passes it.
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t(x) + picture.width, image.width);
    const std::int64_t top = std::max<std::int64_t>(y, 0);
    const std::int64_t bottom =
        std::min<std::int64_t>(std::int64_t(y) + picture.height, image.height);
    for (std::int64_t row = top; row < bottom && left < right; ++row) {
        const std::uint8_t* from =
            picture.pixels.data() +
            (std::size_t(row - y) * std::size_t(picture.width) + std::size_t(left - x)) * 3;
        std::uint32_t* to = image.pixels + row * image.stride + left;
        for (std::int64_t column = left; column < right; ++column, from += 3) {
            *to++ = PixelOf(Rgb{from[0], from[1], from[2]});
        }
    }
}

}  // namespace diplexer
