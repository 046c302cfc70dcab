// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/dispatcher.h"
#include "app/main_window.h"
#include "model/diplexer_state.h"
#include "model/fields.h"
#include "toolkit/toolkit.h"

namespace diplexer {

void ConnectModelToWindow() {
    UseFieldAccess({&ControlText, &SetControlText});
}

std::int32_t HandleNextEvent() {
    state.lastEvent = WaitForEvent();
    return HandleEvent(state.lastEvent);
}

void RunEventLoop() {
    while (HandleNextEvent() != 0) {
    }
}

int RunDiplexer() {
    ResetDiplexerState();
    StartToolkit(kDesktopId);
    ConnectModelToWindow();
    BuildMainWindow();
    RunEventLoop();
    StopToolkit();
    return 0;
}

}  // namespace diplexer
