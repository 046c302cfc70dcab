// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/response_plots.h"

#include <cstdint>
#include <iterator>

#include "app/control_numbers.h"
#include "display/plot_colours.h"
#include "display/plot_scale.h"
#include "model/network_response.h"
#include "toolkit/toolkit.h"

namespace diplexer {

namespace {

struct GridLine {
    std::int32_t x0, y0, x1, y1;
};

// The zero line and the top line come first: PlotSwr draws them again.
constexpr GridLine kGrid[] = {
    {0, kZeroRow, kGridRight, kZeroRow},
    {0, kTopRow, kGridRight, kTopRow},
    {ColumnOfMHz(10), 0, ColumnOfMHz(10), kGridBottom},
    {ColumnOfMHz(20), 0, ColumnOfMHz(20), kGridBottom},
    {ColumnOfMHz(30), 0, ColumnOfMHz(30), kGridBottom},
};
constexpr int kHorizontalGridLines = 2;

void DrawGrid(const PixelImage& image, int lines) {
    for (int i = 0; i < lines; ++i) {
        DrawLine(image, kGrid[i].x0, kGrid[i].y0, kGrid[i].x1, kGrid[i].y1, kGridColour);
    }
}

// One drawing pass: the first `gridLines` lines of the grid, then the curve
// through the rows that `sampleRow` gives for the sample frequencies, from
// (0, 310) on.
void PlotCurve(int gridLines, std::int32_t (*sampleRow)(float f), Rgb colour) {
    const PixelImage image = BeginDrawing(ResponsePlot);
    DrawGrid(image, gridLines);
    std::int32_t previousX = 0;
    std::int32_t previousY = kZeroRow;
    for (std::int32_t x = kFirstSampleX; x <= kSampleLimitX; x += kSampleStep) {
        const std::int32_t y = sampleRow(SampleFrequency(x));
        DrawLine(image, previousX, previousY, x, y, colour);
        previousX = x;
        previousY = y;
    }
    EndDrawing(ResponsePlot);
}

}  // namespace

void PlotTransfer() {
    PlotCurve(
        int(std::size(kGrid)), [](float f) { return TransferRow(TransferCoefficient(f)); },
        kTransferColour);
}

void PlotSwr() {
    PlotCurve(
        kHorizontalGridLines, [](float f) { return SwrRow(StandingWaveRatio(f)); }, kSwrColour);
}

}  // namespace diplexer
