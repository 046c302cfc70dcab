#include "display/pointer_readout.h"

#include <cstdint>

#include "app/number_text.h"
#include "app/toolkit.h"
#include "display/plot_scale.h"
#include "model/fields.h"
#include "model/network_response.h"

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
