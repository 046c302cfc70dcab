// SPDX-License-Identifier: GPL-3.0-or-later
// Complex division and multiplication over the registers of DiplexerState:
// write operandA and operandB, call, read result.
#pragma once

#include "model/diplexer_state.h"

namespace diplexer {

// result = operandA / operandB, by Smith's method.
void ComplexDivide();

// result = operandA * operandB.
void ComplexMultiply();

// a / b, a * b and 1 / z through the registers.
Complex Divide(Complex a, Complex b);
Complex Multiply(Complex a, Complex b);
Complex Reciprocal(Complex z);

}  // namespace diplexer
