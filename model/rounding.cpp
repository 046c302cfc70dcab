// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/rounding.h"

#include <cmath>
#include <limits>

namespace diplexer {

std::int32_t RoundToInt32(double x) {
    // The default rounding mode is to nearest, ties to even; nothing changes it.
    double whole = std::nearbyint(x);
    constexpr double kLowest = -2147483648.0;
    constexpr double kHighest = 2147483647.0;
    if (!(whole >= kLowest && whole <= kHighest)) {  // NaN fails both tests
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(whole);
}

}  // namespace diplexer
