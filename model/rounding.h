// SPDX-License-Identifier: GPL-3.0-or-later
// The two roundings the model uses.
#pragma once

#include <cstdint>

namespace diplexer {

// x rounded to the nearest single-precision value, ties to even. The target
// follows IEEE 754 (binary32/binary64, Annex F), where values beyond the
// single range round to an infinity.
inline float Single(double x) {
    return static_cast<float>(x);
}

// x rounded to the nearest whole number, ties to even; NaN, infinities and
// values whose rounding leaves the signed 32-bit range give INT32_MIN.
std::int32_t RoundToInt32(double x);

}  // namespace diplexer
