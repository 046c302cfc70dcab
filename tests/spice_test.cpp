// SPDX-License-Identifier: GPL-3.0-or-later
// The model against ngspice: the exported netlist of each design, simulated in
// batch mode at the 132 plot frequencies, gives the same input impedance, SWR
// and transfer coefficient as the model's own single-precision arithmetic.
//   spice_test NGSPICE     (NGSPICE empty or missing: the test is skipped)
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <complex>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "display/plot_scale.h"
#include "model/components.h"
#include "model/diplexer_state.h"
#include "model/fields.h"
#include "model/network_response.h"
#include "model/spice_netlist.h"

using namespace diplexer;

namespace {

using Cx = std::complex<double>;

std::string ngspice;  // the simulator's path, from the command line

// The model's own rounding is single precision; 2e-6 allows some 30 units in
// the last place of a float through the chain of roundings.
constexpr double kTolerance = 2e-6;

struct Design {
    const char* name;
    const char *F, *R, *Qk, *Qd;
};

// Across the bands, both resistances, coil Qs from 20 to 300, Qd from 1 to 6.
const Design kDesigns[] = {
    {"160 m, 50 ohm, Qk 20, Qd 1", "1.8", "50", "20", "1"},
    {"80 m, 75 ohm, Qk 300, Qd 6", "3.5", "75", "300", "6"},
    {"40 m, 50 ohm, Qk 100, Qd 3", "7.1", "50", "100", "3"},
    {"initial inputs", "10", "50", "60", "4"},
    {"20 m, 75 ohm, Qk 150, Qd 2", "14.2", "75", "150", "2"},
    {"15 m, 50 ohm, Qk 250, Qd 5", "21.2", "50", "250", "5"},
    {"10 m, 75 ohm, Qk 40, Qd 4", "30", "75", "40", "4"},
};

std::vector<float> PlotFrequencies() {
    std::vector<float> f;
    for (std::int32_t x = kFirstSampleX; x <= kSampleLimitX; x += kSampleStep) {
        f.push_back(SampleFrequency(x));
    }
    return f;
}

// What ngspice found at one frequency.
struct Simulated {
    Cx v_in, i_in, v_node, v_load, i_series;
};

// "name = re,im" on a line of ngspice's print output.
bool ReadVector(std::string_view line, std::string_view name, Cx& value) {
    const std::string prefix = std::string(name) + " = ";
    if (line.substr(0, prefix.size()) != prefix) {
        return false;
    }
    line.remove_prefix(prefix.size());
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        return false;
    }
    double re = 0, im = 0;
    const auto a = std::from_chars(line.data(), line.data() + comma, re);
    const auto b = std::from_chars(line.data() + comma + 1, line.data() + line.size(), im);
    if (a.ec != std::errc() || b.ec != std::errc()) {
        return false;
    }
    value = Cx(re, im);
    return true;
}

// Runs ngspice in batch mode on the netlist of the current design with one AC
// analysis per frequency, and reads back the printed vectors.
std::vector<Simulated> Simulate(const std::vector<float>& frequencies, std::string& log) {
    std::string deck = SpiceNetlist();
    // The circuit is linear: no operating point first (with hertz = 0 the
    // coils' loss resistors would be 0 ohm and the DC matrix singular).
    deck += ".options noopac\n.control\nset numdgt=17\n";
    for (float f : frequencies) {
        char hertz[32];
        const auto end = std::to_chars(hertz, hertz + sizeof hertz, SpiceHertz(f)).ptr;
        const std::string h(hertz, end);
        deck += "ac lin 1 " + h + " " + h + "\n";
        deck += "print v(in) i(vin) v(node) v(load) i(vseries)\n";
    }
    deck += ".endc\n.end\n";
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("diplexer-spice-" + std::to_string(::getpid()) + ".cir");
    const std::filesystem::path errors = file.string() + ".err";
    std::ofstream(file) << deck;
    const std::string command =
        "'" + ngspice + "' -b '" + file.string() + "' 2>'" + errors.string() + "'";
    std::vector<Simulated> rows;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        Simulated row{};
        int seen = 0;
        char buffer[4096];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            std::string_view line(buffer);
            log += line;
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
                line.remove_suffix(1);
            }
            if (ReadVector(line, "v(in)", row.v_in) || ReadVector(line, "i(vin)", row.i_in) ||
                ReadVector(line, "v(node)", row.v_node) ||
                ReadVector(line, "v(load)", row.v_load)) {
                ++seen;
            } else if (ReadVector(line, "i(vseries)", row.i_series)) {
                if (++seen == 5) {
                    rows.push_back(row);
                }
                seen = 0;
            }
        }
        ::pclose(pipe);
    }
    std::ifstream error_text(errors);
    log += std::string(std::istreambuf_iterator<char>(error_text), {});
    std::filesystem::remove(file);
    std::filesystem::remove(errors);
    return rows;
}

double Relative(Cx model, Cx reference) {
    return std::abs(model - reference) / std::abs(reference);
}

double Relative(double model, double reference) {
    return std::abs(model - reference) / std::abs(reference);
}

// The standing-wave ratio at an input impedance Z, for a line of R ohms.
double Swr(Cx Z, double R) {
    const double m = std::abs((Z - R) / (Z + R));
    return (m + 1) / (1 - m);
}

TEST(Ngspice, AgreesWithTheModelAtThePlotFrequencies) {
    if (ngspice.empty() || ::access(ngspice.c_str(), X_OK) != 0) {
        GTEST_SKIP() << "ngspice is missing (Debian package ngspice): the model is not compared "
                        "with a circuit simulator";
    }
    const std::vector<float> frequencies = PlotFrequencies();
    ASSERT_EQ(frequencies.size(), 132u);
    double worst_zin = 0, worst_swr = 0, worst_k = 0, worst_gain = 0, worst_gain_abs = 0;
    for (const Design& design : kDesigns) {
        SCOPED_TRACE(design.name);
        ResetDiplexerState();
        UseFieldAccess({nullptr, nullptr});
        SetFieldText(FreqInput, design.F);
        SetFieldText(ResistanceInput, design.R);
        SetFieldText(QkInput, design.Qk);
        SetFieldText(QdInput, design.Qd);
        BeginCalculation();
        const double R = state.R;

        std::string log;
        const std::vector<Simulated> simulated = Simulate(frequencies, log);
        ASSERT_EQ(simulated.size(), frequencies.size()) << "ngspice said:\n" << log;
        for (std::size_t i = 0; i < frequencies.size(); ++i) {
            const float f = frequencies[i];
            SCOPED_TRACE("f = " + std::to_string(f) + " MHz");
            const Simulated& s = simulated[i];
            const Cx Zin = s.v_in / s.i_in;
            const Cx Zseries = (s.v_node - s.v_load) / s.i_series;

            InputImpedance(f);
            const Cx model_zin(state.Zin.re, state.Zin.im);
            const double swr = StandingWaveRatio(f);
            const double K = TransferCoefficient(f);

            const double zin_error = Relative(model_zin, Zin);
            EXPECT_LE(zin_error, kTolerance) << model_zin << " against " << Zin;
            const double swr_error = Relative(swr, Swr(Zin, R));
            EXPECT_LE(swr_error, kTolerance) << swr << " against " << Swr(Zin, R);
            // K is defined from R, not from the input impedance:
            // K = |2 R / (R + Zin) * R / (R + Zseries)|.
            const double K_spice = std::abs(2 * R / (R + Zin) * R / (R + Zseries));
            const double k_error = Relative(K, K_spice);
            EXPECT_LE(k_error, kTolerance) << K << " against " << K_spice;
            // The load-voltage gain 2 |V(load)| / |E| differs from that K by
            // the factor |Zin / R|: reported, not asserted.
            const double gain = 2 * std::abs(s.v_load);
            worst_gain = std::max(worst_gain, Relative(K, gain));
            worst_gain_abs = std::max(worst_gain_abs, std::abs(K - gain));

            worst_zin = std::max(worst_zin, zin_error);
            worst_swr = std::max(worst_swr, swr_error);
            worst_k = std::max(worst_k, k_error);
        }
    }
    std::printf(
        "largest relative differences from ngspice over %zu designs x %zu frequencies:\n"
        "  Zin %.3g, SWR %.3g, K by its formula %.3g\n"
        "  K from the load-voltage gain 2|V(load)|: %.3g relative, %.3g absolute (not asserted)\n",
        std::size(kDesigns), frequencies.size(), worst_zin, worst_swr, worst_k, worst_gain,
        worst_gain_abs);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) {
        ngspice = argv[1];
    }
    return RUN_ALL_TESTS();
}
