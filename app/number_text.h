// SPDX-License-Identifier: GPL-3.0-or-later
// Number text: how every shown number is written and every typed number is read.
// Both directions use '.' as the decimal separator whatever the locale.
#pragma once

#include <string>
#include <string_view>

namespace diplexer {

// Fixed-point text of `value` with `decimals` digits after the point, or
// "+Infinity", "-Infinity" and "NaN". An exact zero never shows a minus sign.
std::string FormatFixed(double value, int decimals);

// The number at the start of `text`; 0 when there is none. The whole texts
// "+Infinity", "-Infinity" and "NaN" (any letter case) read as those values.
double ParseNumber(std::string_view text);

}  // namespace diplexer
