#include "app/dispatcher.h"

#include "app/toolkit.h"
#include "display/pointer_readout.h"
#include "display/response_plots.h"
#include "model/components.h"
#include "model/diplexer_state.h"
#include "model/fields.h"
#include "model/network_response.h"

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
