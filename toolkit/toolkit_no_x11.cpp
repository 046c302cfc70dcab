// SPDX-License-Identifier: GPL-3.0-or-later
// Platforms without X11: Qt's window flags say all the window asks for, and Qt
// knows the frame before the window is shown.
#include "toolkit/toolkit_qt.h"

namespace diplexer {

void AskForMoveAndCloseOnly(QWidget*) {}

std::optional<QMargins> AskFrameExtents(QWidget*) {
    return std::nullopt;
}

}  // namespace diplexer
