// SPDX-License-Identifier: GPL-3.0-or-later
// The response plot on ResponsePlot: a grid, the transfer coefficient K and the
// input SWR against frequency.
#pragma once

namespace diplexer {

// One drawing pass each, on top of whatever the plot already shows.
// PlotTransfer draws the whole grid and the K curve (132 evaluations, each
// rewriting KOutput); PlotSwr the zero and top lines again and the SWR curve
// (132 evaluations, each rewriting SwrOutput).
void PlotTransfer();
void PlotSwr();

}  // namespace diplexer
