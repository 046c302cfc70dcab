// SPDX-License-Identifier: GPL-3.0-or-later
// Prints every value the model computes for a set of designs, bit for bit
// (hexadecimal floating point), with the field texts and the plot rows: two
// builds agree to the last bit when their dumps are the same.
//   model_dump > dump.txt
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <string>

#include "app/number_text.h"
#include "display/plot_scale.h"
#include "model/components.h"
#include "model/diplexer_state.h"
#include "model/fields.h"
#include "model/network_response.h"

using namespace diplexer;

namespace {

struct Design {
    const char *F, *R, *Qk, *Qd;
};

// Across the bands and the inputs, with the odd ones the fields allow.
const Design kDesigns[] = {
    {"10", "50", "60", "4"},       {"1.8", "50", "20", "1"},
    {"3.5", "75", "300", "6"},     {"7.1", "50", "100", "3"},
    {"14.2", "75", "150", "2"},    {"21.2", "50", "250", "5"},
    {"30", "75", "40", "4"},       {"10", "50", "60", "-4"},
    {"10", "50", "0", "4"},        {"0", "50", "60", "4"},
    {"10", "0", "60", "4"},        {"-10", "50", "60", "4"},
    {"1e-3", "1e4", "1e6", "100"}, {"1234.5678", "3.3", "7.25", "2.5"},
};

// A NaN prints without its sign: processors make different ones (x86-64's
// default NaN has the sign bit set, ARM64's has not), and nothing the program
// shows depends on it.
void Print(const char* name, double value) {
    if (std::isnan(value)) {
        std::printf(" %s=nan", name);
    } else {
        std::printf(" %s=%a", name, value);
    }
}

}  // namespace

int main() {
    for (const Design& design : kDesigns) {
        ResetDiplexerState();
        SetFieldText(FreqInput, design.F);
        SetFieldText(ResistanceInput, design.R);
        SetFieldText(QkInput, design.Qk);
        SetFieldText(QdInput, design.Qd);
        BeginCalculation();
        ShowResponseAtWorkingFrequency();
        std::printf("design F=%s R=%s Qk=%s Qd=%s\n", design.F, design.R, design.Qk, design.Qd);
        Print("L1", state.L1);
        Print("L2", state.L2);
        Print("C1", state.C1);
        Print("C2", state.C2);
        std::printf("\n");
        for (int control = LossOutput; control <= SourceROutput; ++control) {
            std::printf(" [%d] %s\n", control, FieldText(control).c_str());
        }
        for (std::int32_t x = kFirstSampleX; x <= kSampleLimitX; x += kSampleStep) {
            const float f = SampleFrequency(x);
            InputImpedance(f);
            std::printf("x=%" PRId32, x);
            Print("Zin.re", state.Zin.re);
            Print("Zin.im", state.Zin.im);
            const double K = TransferCoefficient(f);
            const double S = StandingWaveRatio(f);
            Print("K", K);
            Print("SWR", S);
            std::printf(" rows %" PRId32 " %" PRId32 " %s %s %s\n", TransferRow(K), SwrRow(S),
                        FieldText(KOutput).c_str(), FieldText(SwrOutput).c_str(),
                        FormatFixed(-20 * K, 4).c_str());
        }
    }
    return 0;
}
