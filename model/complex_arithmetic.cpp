// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/complex_arithmetic.h"

#include <cmath>

#include "model/rounding.h"

namespace diplexer {

void ComplexDivide() {
    const double a = state.operandA.re;
    const double b = state.operandA.im;
    const double c = state.operandB.re;
    const double d = state.operandB.im;
    // Divide by the larger part of the divisor; equal parts and NaN take the second branch.
    if (std::fabs(d) > std::fabs(c)) {
        const double r = Single(c / d);
        const double den = Single(d + r * c);
        state.result.re = Single((a * r + b) / den);
        state.result.im = Single((b * r - a) / den);
    } else {
        const double r = Single(d / c);
        const double den = Single(c + r * d);
        state.result.re = Single((a + r * b) / den);
        state.result.im = Single((b - r * a) / den);
    }
}

void ComplexMultiply() {
    const double a = state.operandA.re;
    const double b = state.operandA.im;
    const double c = state.operandB.re;
    const double d = state.operandB.im;
    state.result.re = Single(a * c - b * d);
    state.result.im = Single(b * c + a * d);
}

Complex Divide(Complex a, Complex b) {
    state.operandA = a;
    state.operandB = b;
    ComplexDivide();
    return state.result;
}

Complex Multiply(Complex a, Complex b) {
    state.operandA = a;
    state.operandB = b;
    ComplexMultiply();
    return state.result;
}

Complex Reciprocal(Complex z) {
    return Divide({1.0f, 0.0f}, z);
}

}  // namespace diplexer
