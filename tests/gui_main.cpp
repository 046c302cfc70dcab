// Test main for the GUI tests: the real toolkit, on Qt's offscreen platform
// unless a display is chosen explicitly, on a Russian desktop (decimal comma),
// whose locale Qt takes on at start-up.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/toolkit.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("LC_ALL", "ru_RU.UTF-8", 1);
    StartToolkit();
    const int result = RUN_ALL_TESTS();
    StopToolkit();
    return result;
}
