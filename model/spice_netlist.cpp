// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/spice_netlist.h"

#include <charconv>
#include <numbers>

#include "model/components.h"
#include "model/diplexer_state.h"

namespace diplexer {

namespace {

// The shortest text that reads back as the same double, never via the locale.
std::string Number(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

// 2 pi as the simulator writes it, so that omega in the loss resistors is the
// simulator's own omega = 2 pi f.
const std::string kSpiceTwoPi = Number(2 * std::numbers::pi);

}  // namespace

std::string SpiceNetlist() {
    const std::string R = Number(state.R);
    const std::string L1 = Number(10.0 * state.L1);
    const std::string L2 = Number(10.0 * state.L2);
    const std::string C1 = Number(10.0 * state.C1);
    const std::string C2 = Number(10.0 * state.C2);
    const std::string Qk = Number(state.Qk);
    // The loss of a coil of Q Qk is omega L / Qk: it grows with frequency, so
    // it is a resistor whose value follows the analysed frequency ("hertz").
    auto loss = [&](const std::string& L) {
        return "R='" + kSpiceTwoPi + "*hertz*" + L + "/" + Qk + "'";
    };
    std::string netlist =
        "* Diplexer: source R, series branch C2 L2 into R, tank L1 || C1 into R\n";
    netlist += "vsource source 0 dc 0 ac 1\n";
    netlist += "rsource source in " + R + "\n";
    netlist += "vin in node 0\n";
    // Series branch: C2, L2 with its loss, the load resistor.
    netlist += "vseries node s1 0\n";
    netlist += "c2 s1 s2 " + C2 + "\n";
    netlist += "l2 s2 s3 " + L2 + "\n";
    netlist += "rl2 s3 load " + loss(L2) + "\n";
    netlist += "rload load 0 " + R + "\n";
    // Parallel branch: L1 with its loss in parallel with C1, then R to ground.
    netlist += "l1 node p1 " + L1 + "\n";
    netlist += "rl1 p1 tank " + loss(L1) + "\n";
    netlist += "c1 node tank " + C1 + "\n";
    netlist += "rparallel tank 0 " + R + "\n";
    return netlist;
}

double SpiceHertz(float F) {
    return double(Omega(F)) / (20 * std::numbers::pi);
}

}  // namespace diplexer
