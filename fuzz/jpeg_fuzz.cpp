// SPDX-License-Identifier: GPL-3.0-or-later
// DecodeJpeg over arbitrary bytes: it never crashes or reads outside the
// data, a failure leaves the picture empty, and a decoded picture has the size
// it says and draws inside a canvas without touching the guard around it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/jpeg_decoder.h"
#include "fuzz/fuzz_check.h"
#include "toolkit/pixels.h"

using namespace diplexer;

namespace {

constexpr int kWidth = 540;  // SchematicView
constexpr int kHeight = 250;
constexpr int kGuard = 16;
constexpr std::ptrdiff_t kStride = kWidth + 2 * kGuard;
constexpr std::uint32_t kGuardWord = 0x5a5a5a5au;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly `size` bytes, so that a read past the end is caught.
    const std::vector<std::uint8_t> bytes(data, data + size);
    RgbPicture picture{7, 9, std::vector<std::uint8_t>(5, 1)};  // left from before
    if (!DecodeJpeg(bytes.data(), bytes.size(), picture)) {
        FUZZ_REQUIRE(picture.width == 0 && picture.height == 0 && picture.pixels.empty());
        return 0;
    }
    FUZZ_REQUIRE(picture.width > 0 && picture.height > 0);
    FUZZ_REQUIRE(picture.pixels.size() ==
                 std::size_t(picture.width) * std::size_t(picture.height) * 3);

    std::vector<std::uint32_t> canvas(std::size_t(kStride) * (kHeight + 2 * kGuard), kGuardWord);
    std::uint32_t* origin = canvas.data() + kGuard * kStride + kGuard;
    for (int y = 0; y < kHeight; ++y) {
        std::fill_n(origin + y * kStride, kWidth, 0xffffffffu);
    }
    DrawPicture(PixelImage{origin, kWidth, kHeight, kStride}, picture, 0, 0);
    for (int y = -kGuard; y < kHeight + kGuard; ++y) {
        for (int x = -kGuard; x < kWidth + kGuard; ++x) {
            const bool inside = x >= 0 && y >= 0 && x < kWidth && y < kHeight;
            FUZZ_REQUIRE((origin[y * kStride + x] == kGuardWord) == !inside);
        }
    }
    return 0;
}
