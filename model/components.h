// SPDX-License-Identifier: GPL-3.0-or-later
// Component values: L1, L2, C1 and C2 of the diplexer for the working frequency.
#pragma once

namespace diplexer {

// 6.28 (standing for 2 pi) and 10^7 as the single-precision constants the
// model has always used, widened to double.
constexpr double kTwoPi = static_cast<double>(6.28f);
constexpr double kTenToSeven = 1e7;
constexpr double kTenToThirteen = static_cast<double>(1e13f);

// Ten times the angular frequency for F in MHz, in single precision.
float Omega(double F);

// Marks the model calculated and runs CalculateComponents: the start of the
// calculate sequence.
void BeginCalculation();

// Reads F, R, Qk and Qd from their fields, stores R, Qk, L1, L2, C1 and C2,
// and writes the seven fields over the schematic.
void CalculateComponents();

}  // namespace diplexer
