// SPDX-License-Identifier: GPL-3.0-or-later
// The program from start to end.
#pragma once

#include <cstdint>
#include <string_view>

namespace diplexer {

// The program's desktop id: the name of its menu entry, AppStream metadata and
// icon under packaging/.
inline constexpr std::string_view kDesktopId = "org.example.diplexer";

// Builds the window, runs the event loop until the window is closed, shuts
// down, and returns the exit code.
int RunDiplexer();

// One step of the event loop: waits for the next event, stores it in
// lastEvent and hands it to the dispatcher. Returns the dispatcher's answer:
// 0 when the program is to end.
std::int32_t HandleNextEvent();

// Takes events and hands them to the dispatcher until it says to end.
void RunEventLoop();

// The toolkit's view of the window's fields, for the model.
void ConnectModelToWindow();

}  // namespace diplexer
