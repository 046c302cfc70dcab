// SPDX-License-Identifier: GPL-3.0-or-later
// The one record the model keeps between events.
#pragma once

#include <cstdint>

namespace diplexer {

// A complex number in single precision: impedances in ohms, admittances in
// siemens, plain ratios.
struct Complex {
    float re;
    float im;
};

struct DiplexerState {
    double R;   // source resistance and the value of both network resistors, ohms
    double Qk;  // Q of the coils
    // Component values held at a tenth of henries and farads, so that
    // omega * L is a reactance and omega * C a susceptance.
    float L1;
    float L2;
    float C1;
    float C2;
    Complex Zin;  // input impedance at the frequency last evaluated
    std::int32_t calculated;
    std::int32_t lastEvent;
    // Registers of the complex operations.
    Complex operandA;
    Complex operandB;
    Complex result;
};

extern DiplexerState state;

// Clears every field, as at start-up.
void ResetDiplexerState();

}  // namespace diplexer
