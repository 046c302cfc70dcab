// SPDX-License-Identifier: GPL-3.0-or-later
// The response plot's scale: 20 pixels per MHz across, K and the SWR down from
// the zero line on row 310.
#pragma once

#include <cstdint>

namespace diplexer {

// Curve samples lie at x = 1, 6, 11, ..., 656; the last is one column beyond
// the plot and only its segment's visible part shows.
constexpr std::int32_t kFirstSampleX = 1;
constexpr std::int32_t kSampleStep = 5;
constexpr std::int32_t kSampleLimitX = 660;  // samples run while x <= this

constexpr std::int32_t kPixelsPerMHz = 20;
constexpr std::int32_t kZeroRow = 310;  // K = 0, SWR = 1
constexpr std::int32_t kTopRow = 10;    // K = 1, SWR = 1.0625

// The grid: the zero line and the top line run from column 0 to kGridRight,
// the lines at 10, 20 and 30 MHz from row 0 down to kGridBottom; the
// drawable area cuts both.
constexpr std::int32_t kGridRight = 660;
constexpr std::int32_t kGridBottom = 320;
constexpr std::int32_t ColumnOfMHz(std::int32_t MHz) {
    return MHz * kPixelsPerMHz;
}

// The frequency of the plot's column x in MHz, x / 20, and that frequency
// rounded to single precision, as the network is evaluated at.
double ColumnFrequency(std::int32_t x);
float SampleFrequency(std::int32_t x);

// The row of a sample: 310 minus the scaled value rounded to the nearest whole
// number (ties to even), wrapping in 32 bits. A scaled value that is NaN,
// infinite or beyond 32 bits lands on row -2147483338, far above the plot.
std::int32_t TransferRow(double K);  // K = 0 on row 310, K = 1 on row 10
std::int32_t SwrRow(double S);       // S = 1 on row 310, S = 1.0625 on row 10

}  // namespace diplexer
