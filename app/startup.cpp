#include "app/startup.h"

#include "app/dispatcher.h"
#include "app/main_window.h"
#include "app/toolkit.h"
#include "model/diplexer_state.h"
#include "model/fields.h"

void ConnectModelToWindow() {
    UseFieldAccess({&ControlText, &SetControlText});
}

void RunEventLoop() {
    for (;;) {
        state.lastEvent = WaitForEvent();
        if (HandleEvent(state.lastEvent) == 0) {
            return;
        }
    }
}

int RunDiplexer() {
    ResetDiplexerState();
    StartToolkit();
    ConnectModelToWindow();
    BuildMainWindow();
    RunEventLoop();
    StopToolkit();
    return 0;
}
