// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/plot_scale.h"

#include "model/rounding.h"

namespace diplexer {

namespace {

std::int32_t RowOf(double scaled) {
    // Unsigned arithmetic wraps; the result converts back modulo 2^32.
    const std::uint32_t n = static_cast<std::uint32_t>(RoundToInt32(scaled));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(kZeroRow) - n);
}

}  // namespace

double ColumnFrequency(std::int32_t x) {
    return x / double(kPixelsPerMHz);
}

float SampleFrequency(std::int32_t x) {
    return Single(ColumnFrequency(x));
}

std::int32_t TransferRow(double K) {
    return RowOf(K * 300);
}

std::int32_t SwrRow(double S) {
    return RowOf((S - 1) * 4800);
}

}  // namespace diplexer
