// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dispatcher.h"

#include "app/control_numbers.h"
#include "display/pointer_readout.h"
#include "display/response_plots.h"
#include "model/components.h"
#include "model/diplexer_state.h"
#include "model/network_response.h"
#include "toolkit/toolkit.h"

namespace diplexer {

void RunCalculateSequence() {
    BeginCalculation();
    ShowResponseAtWorkingFrequency();
    PlotTransfer();
    PlotSwr();
}

std::int32_t HandleEvent(std::int32_t event) {
    if (event == EventClose) {
        return 0;
    }
    if (event == EventControl) {
        switch (EventControlNumber()) {
            case CalculateButton:
                RunCalculateSequence();
                break;
            case ResponsePlot:
                if (state.calculated > 0) {
                    ShowPointerReadout();
                }
                break;
            default:
                break;
        }
    }
    return 1;
}

}  // namespace diplexer
