// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon: the response plot of the default inputs (F = 10 MHz,
// R = 50 ohms, Qk = 60, Qd = 4) from 0 to 20 MHz, the green K curve over the red
// SWR curve, with the plot's grid lines at K = 0, K = 1 and 10 MHz, on a white
// tile. The curves come from the program's own model.
//   draw_icon ID DIR
// writes the hicolor tree DIR/scalable/apps/ID.svg and DIR/NxN/apps/ID.png for
// N = 48, 128 and 256. The PNGs are drawn from the same shapes as the SVG,
// sixteen samples a pixel, and carry no time stamp.
#include <zlib.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "display/plot_colours.h"
#include "display/plot_scale.h"
#include "model/components.h"
#include "model/diplexer_state.h"
#include "model/fields.h"
#include "model/network_response.h"

namespace {

using namespace diplexer;
using Colour = Rgb;

constexpr double kDesign = 256;  // the shapes are given on a 256 x 256 grid
constexpr Colour kTile{255, 255, 255};
constexpr Colour kFrame{60, 60, 60};

struct Point {
    double x, y;
};

// A tile is a rounded square, filled or outlined; a line is a polyline with
// round caps and joins.
struct Shape {
    enum Kind { FilledTile, TileOutline, Line } kind;
    Colour colour;
    double width;  // of an outline or a line
    std::vector<Point> points;
};

constexpr double kTileLow = 12, kTileHigh = 244, kTileRadius = 30;

// The plot's columns from 0 to 20 MHz and its rows down to the grid's bottom
// map onto the tile at half size, centred.
constexpr std::int32_t kLastColumn = ColumnOfMHz(20);
constexpr double kPlotScale = 0.5;
constexpr double kPlotLeft = 28, kPlotTop = 48;
Point FromPlot(double column, double row) {
    return {kPlotLeft + column * kPlotScale, kPlotTop + row * kPlotScale};
}

// The curves of the default inputs, one sample per plot column (0.05 MHz),
// from the first column the plot samples, on the plot's scale: K = 0 and
// S = 1 on the zero row, K = 1 and S = 1.0625 on the top row. The rows are not
// rounded: the icon is drawn finer than the plot's pixels.
void SampleCurves(std::vector<Point>& transfer, std::vector<Point>& swr) {
    ResetDiplexerState();
    SetFieldText(FreqInput, "10");
    SetFieldText(ResistanceInput, "50");
    SetFieldText(QkInput, "60");
    SetFieldText(QdInput, "4");
    BeginCalculation();
    constexpr double kRows = kZeroRow - kTopRow;
    for (std::int32_t column = kFirstSampleX; column <= kLastColumn; ++column) {
        const double K = TransferCoefficient(SampleFrequency(column));
        const double S = StandingWaveRatio(SampleFrequency(column));
        if (std::isfinite(K) && std::isfinite(S)) {
            transfer.push_back(FromPlot(column, kZeroRow - kRows * K));
            swr.push_back(FromPlot(column, kZeroRow - kRows * (S - 1) / 0.0625));
        }
    }
}

std::vector<Shape> IconShapes() {
    std::vector<Point> transfer, swr;
    SampleCurves(transfer, swr);
    const std::int32_t tenMHz = ColumnOfMHz(10);
    return {
        {Shape::FilledTile, kTile, 0, {}},
        {Shape::Line, kGridColour, 4, {FromPlot(0, kTopRow), FromPlot(kLastColumn, kTopRow)}},
        {Shape::Line, kGridColour, 4, {FromPlot(0, kZeroRow), FromPlot(kLastColumn, kZeroRow)}},
        {Shape::Line, kGridColour, 4, {FromPlot(tenMHz, 0), FromPlot(tenMHz, kGridBottom)}},
        {Shape::Line, kSwrColour, 10, swr},
        {Shape::Line, kTransferColour, 11, transfer},
        {Shape::TileOutline, kFrame, 6, {}},
    };
}

// ---- SVG ----

std::string Number(double value) {
    char text[32];
    const double rounded = std::round(value * 100) / 100;
    const auto end = std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed, 2);
    std::string s(text, end.ptr);
    while (s.back() == '0') {
        s.pop_back();
    }
    if (s.back() == '.') {
        s.pop_back();
    }
    return s == "-0" ? "0" : s;
}

std::string Hex(Colour c) {
    static const char digits[] = "0123456789abcdef";
    std::string s = "#";
    for (std::uint8_t v : {c.r, c.g, c.b}) {
        s += digits[v >> 4];
        s += digits[v & 15];
    }
    return s;
}

std::string Svg(const std::vector<Shape>& shapes) {
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg +=
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 256 256\">\n";
    for (const Shape& shape : shapes) {
        switch (shape.kind) {
            case Shape::FilledTile:
            case Shape::TileOutline: {
                const double inset = shape.kind == Shape::TileOutline ? shape.width / 2 : 0;
                svg += "  <rect x=\"" + Number(kTileLow + inset) + "\" y=\"" +
                       Number(kTileLow + inset) + "\" width=\"" +
                       Number(kTileHigh - kTileLow - 2 * inset) + "\" height=\"" +
                       Number(kTileHigh - kTileLow - 2 * inset) + "\" rx=\"" +
                       Number(kTileRadius - inset) + "\"";
                if (shape.kind == Shape::FilledTile) {
                    svg += " fill=\"" + Hex(shape.colour) + "\"/>\n";
                } else {
                    svg += " fill=\"none\" stroke=\"" + Hex(shape.colour) + "\" stroke-width=\"" +
                           Number(shape.width) + "\"/>\n";
                }
                break;
            }
            case Shape::Line: {
                svg += "  <polyline fill=\"none\" stroke=\"" + Hex(shape.colour) +
                       "\" stroke-width=\"" + Number(shape.width) +
                       "\" stroke-linecap=\"round\" stroke-linejoin=\"round\" points=\"";
                for (std::size_t i = 0; i < shape.points.size(); ++i) {
                    svg += (i == 0 ? "" : " ") + Number(shape.points[i].x) + "," +
                           Number(shape.points[i].y);
                }
                svg += "\"/>\n";
                break;
            }
        }
    }
    svg += "</svg>\n";
    return svg;
}

// ---- pixels ----

// Whether p lies in the rounded square grown by `grow` (negative shrinks it).
bool InTile(Point p, double grow) {
    const double low = kTileLow - grow, high = kTileHigh + grow;
    const double radius = kTileRadius + grow;
    const double cx = std::clamp(p.x, low + radius, high - radius);
    const double cy = std::clamp(p.y, low + radius, high - radius);
    const double dx = p.x - cx, dy = p.y - cy;
    return dx * dx + dy * dy <= radius * radius;
}

double SegmentDistanceSquared(Point p, Point a, Point b) {
    const double vx = b.x - a.x, vy = b.y - a.y;
    const double length = vx * vx + vy * vy;
    double t = length > 0 ? ((p.x - a.x) * vx + (p.y - a.y) * vy) / length : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double dx = p.x - (a.x + t * vx), dy = p.y - (a.y + t * vy);
    return dx * dx + dy * dy;
}

constexpr int kSamples = 4;  // per pixel, across and down

// The samples of a square picture, each holding the last shape painted over it.
struct Samples {
    int across;
    double unit;  // design units from one sample to the next
    std::vector<const Shape*> top;
};

// Paints `shape` over the samples whose centres lie in the box from (x0, y0)
// to (x1, y1) and pass `covers`.
template <typename Test>
void PaintBox(Samples& samples, const Shape& shape, double x0, double y0, double x1, double y1,
              Test covers) {
    // Clamped while still floating, so that no coordinate can overflow an int.
    const auto index = [&](double v) {
        return int(std::clamp(v / samples.unit, 0.0, double(samples.across - 1)));
    };
    for (int j = index(y0); j <= index(y1); ++j) {
        for (int i = index(x0); i <= index(x1); ++i) {
            const Point p{(i + 0.5) * samples.unit, (j + 0.5) * samples.unit};
            if (covers(p)) {
                samples.top[std::size_t(j) * std::size_t(samples.across) + std::size_t(i)] = &shape;
            }
        }
    }
}

void Paint(Samples& samples, const Shape& shape) {
    switch (shape.kind) {
        case Shape::FilledTile:
            PaintBox(samples, shape, kTileLow, kTileLow, kTileHigh, kTileHigh,
                     [](Point p) { return InTile(p, 0); });
            break;
        case Shape::TileOutline:
            PaintBox(samples, shape, kTileLow, kTileLow, kTileHigh, kTileHigh,
                     [&](Point p) { return InTile(p, 0) && !InTile(p, -shape.width); });
            break;
        case Shape::Line: {
            const double half = shape.width / 2;
            for (std::size_t i = 0; i + 1 < shape.points.size(); ++i) {
                const Point a = shape.points[i], b = shape.points[i + 1];
                PaintBox(samples, shape, std::min(a.x, b.x) - half, std::min(a.y, b.y) - half,
                         std::max(a.x, b.x) + half, std::max(a.y, b.y) + half,
                         [&](Point p) { return SegmentDistanceSquared(p, a, b) <= half * half; });
            }
            break;
        }
    }
}

// The shapes painted in order over the samples; a pixel's colour is the mean
// of its covered samples and its opacity the share covered.
std::vector<std::uint8_t> Rgba(const std::vector<Shape>& shapes, int size) {
    Samples samples{size * kSamples, kDesign / (size * kSamples), {}};
    samples.top.assign(std::size_t(samples.across) * std::size_t(samples.across), nullptr);
    for (const Shape& shape : shapes) {
        Paint(samples, shape);
    }
    std::vector<std::uint8_t> rgba(std::size_t(size) * std::size_t(size) * 4, 0);
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            unsigned r = 0, g = 0, b = 0, covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const std::size_t i =
                        std::size_t(py * kSamples + sy) * std::size_t(samples.across) +
                        std::size_t(px * kSamples + sx);
                    if (const Shape* top = samples.top[i]) {
                        r += top->colour.r;
                        g += top->colour.g;
                        b += top->colour.b;
                        ++covered;
                    }
                }
            }
            std::uint8_t* out = &rgba[(std::size_t(py) * std::size_t(size) + std::size_t(px)) * 4];
            if (covered > 0) {
                out[0] = std::uint8_t((r + covered / 2) / covered);
                out[1] = std::uint8_t((g + covered / 2) / covered);
                out[2] = std::uint8_t((b + covered / 2) / covered);
                constexpr unsigned kAll = kSamples * kSamples;
                out[3] = std::uint8_t((covered * 255 + kAll / 2) / kAll);
            }
        }
    }
    return rgba;
}

// ---- PNG ----

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += char((value >> shift) & 0xff);
    }
}

void Chunk(std::string& png, const char* type, const std::string& data) {
    PutBigEndian(png, std::uint32_t(data.size()));
    const std::string typed = std::string(type, 4) + data;
    png += typed;
    PutBigEndian(png, std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(typed.data()),
                                          uInt(typed.size()))));
}

bool Png(const std::vector<std::uint8_t>& rgba, int size, std::string& png) {
    std::string rows;
    for (int y = 0; y < size; ++y) {
        rows += char(0);  // no filter
        rows.append(reinterpret_cast<const char*>(&rgba[std::size_t(y) * std::size_t(size) * 4]),
                    std::size_t(size) * 4);
    }
    uLongf packedSize = compressBound(uLong(rows.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(rows.data()), uLong(rows.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        return false;
    }
    packed.resize(packedSize);
    std::string header;
    PutBigEndian(header, std::uint32_t(size));
    PutBigEndian(header, std::uint32_t(size));
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, no interlace
    png = "\x89PNG\r\n\x1a\n";
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", packed);
    Chunk(png, "IEND", "");
    return true;
}

bool Write(const std::filesystem::path& path, const std::string& bytes) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "draw_icon: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: draw_icon ID DIR\n", stderr);
        return 2;
    }
    const std::string id = argv[1];
    const std::filesystem::path dir = argv[2];
    const std::vector<Shape> shapes = IconShapes();
    if (shapes[4].points.size() < 2 || shapes[5].points.size() < 2) {
        std::fputs("draw_icon: the model gave no curve\n", stderr);
        return 1;
    }
    if (!Write(dir / "scalable" / "apps" / (id + ".svg"), Svg(shapes))) {
        return 1;
    }
    for (int size : {48, 128, 256}) {
        std::string png;
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        if (!Png(Rgba(shapes, size), size, png) ||
            !Write(dir / folder / "apps" / (id + ".png"), png)) {
            return 1;
        }
    }
    return 0;
}
