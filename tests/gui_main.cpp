// SPDX-License-Identifier: GPL-3.0-or-later
// Test main for the GUI tests: the real toolkit, on Qt's offscreen platform
// unless a display is chosen explicitly, on a Russian desktop (decimal comma),
// whose locale Qt takes on at start-up.
#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

#include "app/startup.h"
#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    }
    qputenv("LC_ALL", QByteArray("ru_RU.UTF-8"));
    diplexer::StartToolkit(diplexer::kDesktopId);
    const int result = RUN_ALL_TESTS();
    diplexer::StopToolkit();
    return result;
}
