// SPDX-License-Identifier: GPL-3.0-or-later
// The dispatcher: what each event does.
#pragma once

#include <cstdint>

namespace diplexer {

// Handles one event; returns 0 when the program is to end, 1 otherwise.
std::int32_t HandleEvent(std::int32_t event);

// What a press of CalculateButton does.
void RunCalculateSequence();

}  // namespace diplexer
