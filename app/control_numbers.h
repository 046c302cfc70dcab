// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers of the main window's controls: how the window, the model and the
// display name them. The control table (control_table.h) gives each its kind,
// place and text.
#pragma once

namespace diplexer {

// The controls of the main window, by number.
enum Control : int {
    FreqLabel = 1,
    ResistanceLabel = 2,
    QkLabel = 3,
    QdLabel = 4,
    FreqInput = 5,
    ResistanceInput = 6,
    QkInput = 7,
    QdInput = 8,
    ResponsePlot = 9,
    SchematicView = 10,
    CreditLabel = 11,
    LossLabel = 12,
    LossOutput = 13,
    CalculateButton = 14,
    KLabel = 15,
    SwrLabel = 16,
    FiLabel = 17,
    KOutput = 18,
    SwrOutput = 19,
    FiOutput = 20,
    L1Output = 21,
    L2Output = 22,
    C1Output = 23,
    C2Output = 24,
    SeriesLoadROutput = 25,
    ParallelLoadROutput = 26,
    SourceROutput = 27,
};
constexpr int kControlCount = 27;

}  // namespace diplexer
