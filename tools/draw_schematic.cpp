// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the diplexer's schematic picture and writes it as a baseline colour
// JPEG: draw_schematic OUTPUT.jpg. The program embeds assets/schematic.jpg,
// made with this tool.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "toolkit/pixels.h"

namespace {

using diplexer::DrawLine;
using diplexer::PixelImage;
using diplexer::PixelOf;
using diplexer::Rgb;

constexpr int kWidth = 560;
constexpr int kHeight = 270;

constexpr Rgb kWire{42, 100, 50};
constexpr Rgb kPart{20, 12, 125};
constexpr Rgb kDot{235, 5, 20};

// The picture, white to start with, in the pixel library's layout.
std::vector<std::uint32_t> words(std::size_t(kWidth) * kHeight, PixelOf(Rgb{255, 255, 255}));
const PixelImage picture{words.data(), kWidth, kHeight, kWidth};

void Line(int x0, int y0, int x1, int y1, Rgb c) {
    DrawLine(picture, x0, y0, x1, y1, c);
}

void Put(int x, int y, Rgb c) {
    Line(x, y, x, y, c);
}

void Polyline(const std::vector<int>& points, Rgb c) {
    for (std::size_t i = 2; i + 1 < points.size(); i += 2) {
        Line(points[i - 2], points[i - 1], points[i], points[i + 1], c);
    }
}

// Half an ellipse around (cx, cy) from angle a0 to a1, in radians.
void Arc(double cx, double cy, double rx, double ry, double a0, double a1, Rgb c) {
    constexpr int kSteps = 24;
    int px = int(std::lround(cx + rx * std::cos(a0)));
    int py = int(std::lround(cy + ry * std::sin(a0)));
    for (int i = 1; i <= kSteps; ++i) {
        const double a = a0 + (a1 - a0) * i / kSteps;
        const int x = int(std::lround(cx + rx * std::cos(a)));
        const int y = int(std::lround(cy + ry * std::sin(a)));
        Line(px, py, x, y, c);
        px = x;
        py = y;
    }
}

void Dot(int cx, int cy) {
    for (int y = -2; y <= 2; ++y) {
        for (int x = -2; x <= 2; ++x) {
            if (x * x + y * y <= 5) {
                Put(cx + x, cy + y, kDot);
            }
        }
    }
}

void Plus(int cx, int cy) {
    Line(cx - 2, cy, cx + 2, cy, kPart);
    Line(cx, cy - 2, cx, cy + 2, kPart);
}

void Minus(int cx, int cy) {
    Line(cx - 2, cy, cx + 2, cy, kPart);
}

void Ground(int x) {
    Line(x, 224, x, 236, kPart);
    Line(x - 8, 236, x + 8, 236, kPart);
    Line(x - 4, 242, x + 4, 242, kPart);
}

// A zigzag of three teeth along the wire, between `from` and `to`.
void HorizontalZigzag(int from, int to, int y, int up, int down) {
    const int step = (to - from) / 6;
    Polyline({from, y, from + step, up, from + 2 * step, down, from + 3 * step, up, from + 4 * step,
              down, from + 5 * step, up, to, y},
             kPart);
}

void VerticalZigzag(int x, int from, int to, int left, int right) {
    std::vector<int> points{x, from};
    for (int i = 1; i < 6; ++i) {
        points.push_back(i % 2 == 1 ? left : right);
        points.push_back(from + (to - from) * i / 6);
    }
    points.push_back(x);
    points.push_back(to);
    Polyline(points, kPart);
}

void DrawSchematic() {
    const double pi = std::acos(-1.0);

    // Top wire with the source resistor, C2 and L2 on it.
    Line(56, 56, 96, 56, kWire);
    Line(96, 56, 108, 56, kPart);
    HorizontalZigzag(108, 132, 56, 52, 60);
    Line(132, 56, 143, 56, kPart);
    Line(143, 56, 313, 56, kWire);
    Line(313, 56, 334, 56, kPart);
    Line(334, 48, 334, 64, kPart);
    Line(338, 48, 338, 64, kPart);
    Line(338, 56, 360, 56, kPart);
    Line(360, 56, 408, 56, kWire);
    Line(408, 56, 414, 56, kPart);
    for (int loop = 0; loop < 4; ++loop) {
        Arc(414 + 4.5 + 9 * loop, 56, 4.5, 7, pi, 2 * pi, kPart);
    }
    Line(450, 56, 456, 56, kPart);
    Line(456, 56, 480, 56, kWire);
    Plus(415, 63);
    Minus(449, 61);

    // Left wire with the source.
    Line(56, 56, 56, 120, kWire);
    Line(56, 120, 56, 131, kPart);
    Arc(56, 144, 12, 12, 0, 2 * pi, kPart);
    Arc(52, 144, 4, 5, pi, 2 * pi, kPart);
    Arc(60, 144, 4, 5, 0, pi, kPart);
    Line(56, 156, 56, 168, kPart);
    Line(56, 168, 56, 224, kWire);
    Plus(63, 127);
    Minus(63, 161);
    Ground(56);

    // The parallel branch: tank of L1 and C1, then its resistor.
    Line(224, 56, 224, 80, kWire);
    Line(200, 80, 248, 80, kWire);
    Line(200, 160, 248, 160, kWire);
    Line(200, 80, 200, 96, kWire);
    Line(200, 143, 200, 160, kWire);
    Line(248, 80, 248, 96, kWire);
    Line(248, 143, 248, 160, kWire);
    Line(200, 96, 200, 101, kPart);
    for (int loop = 0; loop < 4; ++loop) {
        Arc(200, 101 + 4.5 + 9 * loop, 7, 4.5, pi / 2, 3 * pi / 2, kPart);
    }
    Line(200, 137, 200, 143, kPart);
    Line(205, 101, 205, 105, kPart);  // minus, as a short bar
    Plus(207, 137);
    Line(248, 96, 248, 118, kPart);
    Line(240, 118, 256, 118, kPart);
    Line(240, 122, 256, 122, kPart);
    Line(248, 122, 248, 143, kPart);
    Line(224, 160, 224, 176, kWire);
    Line(224, 176, 224, 188, kPart);
    VerticalZigzag(224, 188, 211, 219, 228);
    Line(224, 211, 224, 224, kPart);
    Ground(224);

    // Right wire with the load of the series branch.
    Line(480, 56, 480, 112, kWire);
    Line(480, 112, 480, 124, kPart);
    VerticalZigzag(480, 124, 146, 475, 484);
    Line(480, 146, 480, 159, kPart);
    Line(480, 159, 480, 224, kWire);
    Ground(480);

    // The junctions, over the wires that meet there.
    Dot(224, 56);
    Dot(224, 80);
    Dot(224, 160);
}

bool WriteJpeg(const char* path) {
    FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        return false;
    }
    jpeg_compress_struct encoder{};
    jpeg_error_mgr errors{};
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    jpeg_stdio_dest(&encoder, file);
    encoder.image_width = kWidth;
    encoder.image_height = kHeight;
    encoder.input_components = 3;
    encoder.in_color_space = JCS_RGB;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, 95, TRUE);
    for (int i = 0; i < encoder.num_components; ++i) {
        encoder.comp_info[i].h_samp_factor = 1;  // no chroma subsampling: crisp colours
        encoder.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&encoder, TRUE);
    std::vector<unsigned char> row(std::size_t(kWidth) * 3);
    while (encoder.next_scanline < encoder.image_height) {
        const std::uint32_t* from = &words[std::size_t(encoder.next_scanline) * kWidth];
        for (std::size_t x = 0; x < std::size_t(kWidth); ++x) {
            row[3 * x] = (unsigned char)(from[x] >> 16);
            row[3 * x + 1] = (unsigned char)(from[x] >> 8);
            row[3 * x + 2] = (unsigned char)from[x];
        }
        JSAMPROW rows = row.data();
        jpeg_write_scanlines(&encoder, &rows, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: draw_schematic OUTPUT.jpg\n", stderr);
        return 2;
    }
    DrawSchematic();
    if (!WriteJpeg(argv[1])) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
