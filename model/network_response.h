// SPDX-License-Identifier: GPL-3.0-or-later
// The network's response at any frequency, from the values of the last calculation.
#pragma once

namespace diplexer {

// Sets state.Zin, the input impedance at F MHz.
void InputImpedance(float F);

// Magnitude of the transfer coefficient at F MHz; also written into KOutput.
double TransferCoefficient(float F);

// Standing-wave ratio at the input at F MHz; also written into SwrOutput.
double StandingWaveRatio(float F);

// The calculate sequence after the component values: K, the loss D and the
// SWR at the working frequency read afresh from FreqInput.
void ShowResponseAtWorkingFrequency();

}  // namespace diplexer
