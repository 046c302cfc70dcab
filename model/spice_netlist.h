// SPDX-License-Identifier: GPL-3.0-or-later
// The designed network as a SPICE netlist, for checking the model against a
// circuit simulator.
#pragma once

#include <string>

namespace diplexer {

// The network of the last calculation (R, Qk, L1, L2, C1 and C2 as stored),
// driven by a 1 V AC source through its internal resistance R, with
// physical values: a coil held as L is 10 L henries, a capacitor held as C is
// 10 C farads. Nodes: "in" is the input node; zero-volt sources "vin" (into
// the network) and "vseries" (into the series branch) measure the currents;
// "load" is the top of the series branch's load resistor. Each coil's loss is
// a resistor of its reactance over Qk at the analysed frequency. No analysis
// lines and no ".end": the caller appends them.
std::string SpiceNetlist();

// The frequency in hertz at which a simulator evaluates the same reactances
// as the model does at F MHz: the model's omega (ten times an angular
// frequency, with 6.28 standing for 2 pi) over 20 pi.
double SpiceHertz(float F);

}  // namespace diplexer
