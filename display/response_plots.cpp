#include "display/response_plots.h"

#include <cstdint>
#include <iterator>

#include "app/toolkit.h"
#include "display/plot_scale.h"
#include "model/fields.h"
#include "model/network_response.h"

namespace {

constexpr Rgb kGridColour{0, 0, 0};
constexpr Rgb kTransferColour{0, 159, 0};
constexpr Rgb kSwrColour{223, 0, 0};

struct GridLine {
    std::int32_t x0, y0, x1, y1;
};

// The zero line and the top line come first: PlotSwr draws them again.
constexpr GridLine kGrid[] = {
    {0, kZeroRow, 660, kZeroRow},  // K = 0, SWR = 1
    {0, 10, 660, 10},              // K = 1, SWR = 1.0625
    {200, 0, 200, 320},            // 10 MHz
    {400, 0, 400, 320},            // 20 MHz
    {600, 0, 600, 320},            // 30 MHz
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
