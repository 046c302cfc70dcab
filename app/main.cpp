// SPDX-License-Identifier: GPL-3.0-or-later
// Diplexer: sizes a constant-resistance diplexer and shows its response.
#include "app/startup.h"

int main() {
    return diplexer::RunDiplexer();
}
