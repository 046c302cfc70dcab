// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/network_response.h"

#include <cmath>

#include "app/number_text.h"
#include "model/complex_arithmetic.h"
#include "model/components.h"
#include "model/diplexer_state.h"
#include "model/fields.h"
#include "model/rounding.h"

namespace diplexer {

namespace {

double Magnitude(Complex z) {
    return std::sqrt(double(z.re) * z.re + double(z.im) * z.im);
}

}  // namespace

void InputImpedance(float F) {
    const double omega = Omega(F);
    const double R = state.R;
    const double Qk = state.Qk;

    // Series branch: C2, the lossy coil L2 and the load resistor.
    const float XL2 = Single(omega * state.L2);
    const float XC2 = Single(1.0 / (state.C2 * omega));
    const float X2 = Single(double(XL2) - XC2);
    const float RL2 = Single(omega * (state.L2 / Qk));
    const float Rs = Single(R + RL2);
    const Complex Ys = Reciprocal({Rs, X2});

    // Parallel branch: the tank of the lossy coil L1 and C1, then its resistor.
    const float XL1 = Single(omega * state.L1);
    const float RL1 = Single(omega * (state.L1 / Qk));
    const Complex YL1 = Reciprocal({RL1, XL1});
    const float XC1 = Single(-1.0 / (state.C1 * omega));
    const Complex YC1 = Reciprocal({0.0f, XC1});
    const Complex Ytank{Single(double(YL1.re) + YC1.re), Single(double(YL1.im) + YC1.im)};
    const Complex Ztank = Reciprocal(Ytank);
    const Complex Zp{Single(Ztank.re + R), Ztank.im};
    const Complex Yp = Reciprocal(Zp);

    const Complex Ysum{Single(double(Yp.re) + Ys.re), Single(double(Yp.im) + Ys.im)};
    state.Zin = Reciprocal(Ysum);
}

double TransferCoefficient(float F) {
    const double omega = Omega(F);
    InputImpedance(F);
    const double R = state.R;
    const Complex load{Single(R), 0.0f};
    const Complex Q1 = Divide(load, {Single(state.Zin.re + R), state.Zin.im});
    // The series branch once more, in double precision from the stored values.
    const Complex series{Single((omega * state.L2) / state.Qk + R),
                         Single(omega * state.L2 - 1.0 / (omega * state.C2))};
    const Complex Q2 = Divide(load, series);
    const Complex P = Multiply(Q1, Q2);
    const Complex Kc = Multiply({2.0f, 0.0f}, P);
    const double K = Magnitude(Kc);
    SetFieldText(KOutput, FormatFixed(Single(K), 5));
    return K;
}

double StandingWaveRatio(float F) {
    InputImpedance(F);
    const double R = state.R;
    const Complex G =
        Divide({Single(state.Zin.re - R), state.Zin.im}, {Single(state.Zin.re + R), state.Zin.im});
    const double m = Magnitude(G);
    const double swr = (m + 1) / (1 - m);
    SetFieldText(SwrOutput, FormatFixed(Single(swr), 5));
    return swr;
}

void ShowResponseAtWorkingFrequency() {
    const double F = ParseNumber(FieldText(FreqInput));
    const double K = TransferCoefficient(Single(F));
    const double D = std::log10(K) * -20;
    SetFieldText(LossOutput, FormatFixed(D, 4) + "           ");
    StandingWaveRatio(Single(F));
}

}  // namespace diplexer
