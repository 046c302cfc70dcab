// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/components.h"

#include <cstdint>
#include <string>

#include "app/number_text.h"
#include "model/diplexer_state.h"
#include "model/fields.h"
#include "model/rounding.h"

namespace diplexer {

float Omega(double F) {
    return Single((F * kTwoPi) * kTenToSeven);
}

void BeginCalculation() {
    state.calculated = 1;
    CalculateComponents();
}

void CalculateComponents() {
    const double F = ParseNumber(FieldText(FreqInput));
    state.R = ParseNumber(FieldText(ResistanceInput));
    state.Qk = ParseNumber(FieldText(QkInput));
    const std::int32_t Qd = RoundToInt32(ParseNumber(FieldText(QdInput)));

    const double omega = Omega(F);
    const double X = Single(state.R / omega);
    const double Y = Single(1.0 / Single(omega * state.R));
    state.L1 = Single(X / Qd);
    state.L2 = Single(X * Qd);
    state.C1 = Single(Y * Qd);
    state.C2 = Single(Y / Qd);

    auto show = [](int control, double value, int decimals, const char* unit) {
        SetFieldText(control, FormatFixed(Single(value), decimals) + unit);
    };
    show(L1Output, state.L1 * kTenToSeven, 3, " мкгн");
    show(L2Output, state.L2 * kTenToSeven, 3, " мкгн");
    show(C1Output, state.C1 * kTenToThirteen, 3, " пф");
    show(C2Output, state.C2 * kTenToThirteen, 3, " пф");
    show(SeriesLoadROutput, state.R, 2, " ом");
    show(ParallelLoadROutput, state.R, 2, " ом");
    show(SourceROutput, state.R, 2, " ом");
}

}  // namespace diplexer
