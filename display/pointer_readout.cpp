// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/pointer_readout.h"

#include <cstdint>

#include "app/control_numbers.h"
#include "app/number_text.h"
#include "display/plot_scale.h"
#include "model/fields.h"
#include "model/network_response.h"
#include "toolkit/toolkit.h"

namespace diplexer {

void ShowPointerReadout() {
    const std::int32_t x = EventPointerX();
    if (x <= 0) {
        return;
    }
    SetFieldText(FiOutput, FormatFixed(ColumnFrequency(x), 2) + "  Мгц    ");
    const float f = SampleFrequency(x);
    StandingWaveRatio(f);
    TransferCoefficient(f);
}

}  // namespace diplexer
