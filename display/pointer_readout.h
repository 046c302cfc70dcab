// SPDX-License-Identifier: GPL-3.0-or-later
// The readout under the pointer: the frequency at the pointer's column of the
// response plot, and K and the SWR there, from the values of the last press.
#pragma once

namespace diplexer {

// Handles one pointer event of ResponsePlot: with the event's x of 1 or more,
// writes x / 20 MHz into FiOutput, then the SWR and K at that frequency into
// SwrOutput and KOutput. A column of 0 or less changes nothing.
void ShowPointerReadout();

}  // namespace diplexer
