// SPDX-License-Identifier: GPL-3.0-or-later
// Lines and pictures on a small pixel image.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "toolkit/pixels.h"

using namespace diplexer;

namespace {

// A 12 x 8 image shown as text: '.' untouched, '#' drawn.
class Pixels {
  public:
    Pixels(int width = 12, int height = 8)
        : width_(width), height_(height), words_(std::size_t(width * height), 0xffffffffu) {}

    PixelImage Image() { return PixelImage{words_.data(), width_, height_, width_}; }

    // Drawn: the green of the ink, 0.
    bool At(int x, int y) const { return (words_[std::size_t(y * width_ + x)] & 0xff00u) == 0; }

    std::string Rows() const { return Rows(0, 0, width_, height_); }

    // The part of the image from (left, top), width by height.
    std::string Rows(int left, int top, int width, int height) const {
        std::string rows;
        for (int y = top; y < top + height; ++y) {
            for (int x = left; x < left + width; ++x) {
                rows += At(x, y) ? '#' : '.';
            }
            rows += '\n';
        }
        return rows;
    }

    int Count() const {
        int n = 0;
        for (std::uint32_t word : words_) {
            n += (word & 0xff00u) == 0;
        }
        return n;
    }

  private:
    int width_, height_;
    std::vector<std::uint32_t> words_;
};

constexpr Rgb kInk{200, 0, 100};

struct LineCase {
    const char* name;
    std::int32_t x0, y0, x1, y1;
    const char* rows;
};

const LineCase kLines[] = {
    {"a row, cut at both sides", -5, 2, 40, 2,
     "............\n"
     "............\n"
     "############\n"
     "............\n"
     "............\n"
     "............\n"
     "............\n"
     "............\n"},
    {"a column, end points included, either way round", 3, 6, 3, 1,
     "............\n"
     "...#........\n"
     "...#........\n"
     "...#........\n"
     "...#........\n"
     "...#........\n"
     "...#........\n"
     "............\n"},
    {"a single point", 11, 7, 11, 7,
     "............\n"
     "............\n"
     "............\n"
     "............\n"
     "............\n"
     "............\n"
     "............\n"
     "...........#\n"},
    {"a shallow slope: one pixel a column", 0, 0, 11, 3,
     "##..........\n"
     "..####......\n"
     "......####..\n"
     "..........##\n"
     "............\n"
     "............\n"
     "............\n"
     "............\n"},
    {"a steep slope: one pixel a row", 2, 0, 5, 7,
     "..#.........\n"
     "..#.........\n"
     "...#........\n"
     "...#........\n"
     "....#.......\n"
     "....#.......\n"
     ".....#......\n"
     ".....#......\n"},
    {"a slope cut at the top along its own line", 4, -4, 8, 4,
     "......#.....\n"
     ".......#....\n"
     ".......#....\n"
     "........#...\n"
     "........#...\n"
     "............\n"
     "............\n"
     "............\n"},
    {"beyond the bottom edge", -3, 9, 20, 30, nullptr},
    {"beyond the right edge", 12, 0, 20, 7, nullptr},
    {"a row outside", 0, -1, 11, -1, nullptr},
    {"a column outside", 12, 0, 12, 7, nullptr},
};

TEST(DrawLine, CoversExactlyThePixelsOfTheLine) {
    for (const LineCase& c : kLines) {
        Pixels pixels;
        DrawLine(pixels.Image(), c.x0, c.y0, c.x1, c.y1, kInk);
        if (c.rows == nullptr) {
            EXPECT_EQ(pixels.Count(), 0) << c.name << "\n" << pixels.Rows();
        } else {
            EXPECT_EQ(pixels.Rows(), c.rows) << c.name;
        }
        // The same line drawn from its other end covers the same columns and rows.
        Pixels reversed;
        DrawLine(reversed.Image(), c.x1, c.y1, c.x0, c.y0, kInk);
        EXPECT_EQ(reversed.Count(), pixels.Count()) << c.name;
    }
}

TEST(DrawLine, ReplacesThePixelColour) {
    // Three rows of three pixels, each row four words apart.
    std::vector<std::uint32_t> words(12, 0x07070707u);
    DrawLine(PixelImage{words.data(), 3, 3, 4}, 0, 1, 2, 1, kInk);
    const std::vector<std::uint32_t> expected{
        0x07070707u, 0x07070707u, 0x07070707u, 0x07070707u,  // row 0 and its padding
        0xffc80064u, 0xffc80064u, 0xffc80064u, 0x07070707u,  // row 1: red 200, blue 100
        0x07070707u, 0x07070707u, 0x07070707u, 0x07070707u,
    };
    EXPECT_EQ(words, expected);
}

// Random lines, many of them running off the image: on a 12 x 8 image each is
// exactly the part of the same line drawn whole on a large image, and drawn
// whole it has one pixel for each step of its longer axis, both end points
// included, without gaps.
TEST(DrawLine, CutLinesAreTheVisiblePartOfTheWholeLine) {
    constexpr int kOffset = 60;
    std::mt19937 random(2026);
    std::uniform_int_distribution<std::int32_t> coordinate(-50, 60);
    for (int i = 0; i < 3000; ++i) {
        const std::int32_t x0 = coordinate(random), y0 = coordinate(random);
        const std::int32_t x1 = coordinate(random), y1 = coordinate(random);
        Pixels whole(180, 180);
        DrawLine(whole.Image(), x0 + kOffset, y0 + kOffset, x1 + kOffset, y1 + kOffset, kInk);
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        ASSERT_EQ(whole.Count(), steps + 1) << x0 << "," << y0 << " " << x1 << "," << y1;
        ASSERT_TRUE(whole.At(x0 + kOffset, y0 + kOffset) && whole.At(x1 + kOffset, y1 + kOffset));
        // One pixel on every row (or column) of the longer axis.
        const bool alongX = std::abs(x1 - x0) >= std::abs(y1 - y0);
        for (int m = 0; m <= steps; ++m) {
            int onLine = 0;
            for (int n = 0; n < 180; ++n) {
                const int major = std::min(alongX ? x0 : y0, alongX ? x1 : y1) + kOffset + m;
                onLine += alongX ? whole.At(major, n) : whole.At(n, major);
            }
            ASSERT_EQ(onLine, 1) << x0 << "," << y0 << " " << x1 << "," << y1;
        }
        Pixels cut;
        DrawLine(cut.Image(), x0, y0, x1, y1, kInk);
        ASSERT_EQ(cut.Rows(), whole.Rows(kOffset, kOffset, 12, 8))
            << x0 << "," << y0 << " " << x1 << "," << y1;
    }
}

TEST(DrawLine, FarEndPointsCostOnlyTheirVisiblePart) {
    const struct {
        std::int32_t x0, y0, x1, y1;
        int pixels;
    } cases[] = {
        {196, 40, 201, -2147483338, 41},  // one pixel a row, from row 40 up to row 0
        {-2147483648, -2147483648, 2147483647, 2147483647, 336},
        {2147483647, 100, -2147483648, 101, 656},
    };
    for (const auto& c : cases) {
        Pixels pixels(656, 336);
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 1000; ++i) {
            DrawLine(pixels.Image(), c.x0, c.y0, c.x1, c.y1, kInk);
        }
        const auto spent = std::chrono::steady_clock::now() - start;
        EXPECT_LT(spent, std::chrono::seconds(1)) << c.x1 << "," << c.y1;
        EXPECT_EQ(pixels.Count(), c.pixels) << c.x1 << "," << c.y1;
    }
}

TEST(DrawPicture, CopiesThePictureCutAtTheEdges) {
    RgbPicture picture;
    picture.width = 3;
    picture.height = 2;
    picture.pixels.assign(18, 0);
    for (const auto& [x, y, rows] : std::vector<std::tuple<int, int, const char*>>{
             {0, 0, "###.\n###.\n....\n"},
             {2, 1, "....\n..##\n..##\n"},
             {-2, -1, "#...\n....\n....\n"},
             {4, 0, "....\n....\n....\n"},
             {1, 2, "....\n....\n.###\n"},
             // Corners whose sum with the picture's size passes the int range.
             {2147483646, 0, "....\n....\n....\n"},
             {0, 2147483646, "....\n....\n....\n"},
             {-2147483648, -2147483648, "....\n....\n....\n"}}) {
        Pixels pixels(4, 3);
        DrawPicture(pixels.Image(), picture, x, y);
        EXPECT_EQ(pixels.Rows(), rows) << x << "," << y;
    }
}

}  // namespace
