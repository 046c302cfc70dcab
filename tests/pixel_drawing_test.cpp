// Lines and pictures on a small pixel image.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "app/toolkit.h"

namespace {

// A 12 x 8 image shown as text: '.' untouched, '#' drawn.
class Pixels {
  public:
    Pixels(int width = 12, int height = 8)
        : width_(width), height_(height), bytes_(std::size_t(width * height * 3), 255) {}

    PixelImage Image() { return PixelImage{bytes_.data(), width_, height_, width_ * 3}; }

    std::string Rows() const {
        std::string rows;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                rows += bytes_[std::size_t((y * width_ + x) * 3 + 1)] == 0 ? '#' : '.';
            }
            rows += '\n';
        }
        return rows;
    }

    int Count() const {
        int n = 0;
        for (std::size_t i = 1; i < bytes_.size(); i += 3) {
            n += bytes_[i] == 0;
        }
        return n;
    }

  private:
    int width_, height_;
    std::vector<std::uint8_t> bytes_;
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
    std::vector<std::uint8_t> bytes(3 * 3 * 3, 7);
    DrawLine(PixelImage{bytes.data(), 3, 3, 9}, 0, 1, 2, 1, kInk);
    EXPECT_EQ(bytes[9], 200);
    EXPECT_EQ(bytes[10], 0);
    EXPECT_EQ(bytes[11], 100);
    EXPECT_EQ(bytes[0], 7);
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
    for (const auto& [x, y, rows] :
         std::vector<std::tuple<int, int, const char*>>{{0, 0, "###.\n###.\n....\n"},
                                                        {2, 1, "....\n..##\n..##\n"},
                                                        {-2, -1, "#...\n....\n....\n"},
                                                        {4, 0, "....\n....\n....\n"}}) {
        Pixels pixels(4, 3);
        DrawPicture(pixels.Image(), picture, x, y);
        EXPECT_EQ(pixels.Rows(), rows) << x << "," << y;
    }
}

}  // namespace
