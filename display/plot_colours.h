// SPDX-License-Identifier: GPL-3.0-or-later
// The colours of the response plot. The main window's legend uses the K green.
#pragma once

#include "toolkit/pixels.h"

namespace diplexer {

constexpr Rgb kGridColour{0, 0, 0};
constexpr Rgb kTransferColour{0, 159, 0};  // the K curve
constexpr Rgb kSwrColour{223, 0, 0};

}  // namespace diplexer
