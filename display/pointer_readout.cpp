#include "display/pointer_readout.h"

#include <cstdint>

#include "app/number_text.h"
#include "app/toolkit.h"
#include "model/fields.h"
#include "model/network_response.h"
#include "model/rounding.h"

void ShowPointerReadout() {
    const std::int32_t x = EventPointerX();
    if (x <= 0) {
        return;
    }
    const double Fi = x / 20.0;
    SetFieldText(FiOutput, FormatFixed(Fi, 2) + "  Мгц    ");
    StandingWaveRatio(Single(Fi));
    TransferCoefficient(Single(Fi));
}
