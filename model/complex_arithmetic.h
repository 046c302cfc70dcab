// Complex division and multiplication over the registers of DiplexerState:
// write operandA and operandB, call, read result.
#pragma once

#include "model/diplexer_state.h"

// result = operandA / operandB, by Smith's method.
void ComplexDivide();

// result = operandA * operandB.
void ComplexMultiply();

// 1 / z through ComplexDivide.
Complex Reciprocal(Complex z);
