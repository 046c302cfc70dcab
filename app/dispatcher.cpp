#include "app/dispatcher.h"

#include "app/toolkit.h"
#include "model/components.h"
#include "model/diplexer_state.h"
#include "model/fields.h"
#include "model/network_response.h"

void RunCalculateSequence() {
    BeginCalculation();
    ShowResponseAtWorkingFrequency();
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
                // The pointer readout belongs here, once the model has been
                // calculated; until it exists such events change nothing.
                break;
            default:
                break;
        }
    }
    return 1;
}
