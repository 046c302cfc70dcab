// The model's access to the window's text fields. The program hands it the
// window's own read and write procedures; until then (and in headless use)
// the texts live in a plain table here.
#pragma once

#include <string>
#include <string_view>

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

struct FieldAccess {
    std::string (*read)(int control);
    void (*write)(int control, std::string_view text);
};

// Routes every field read and write through `access`; {nullptr, nullptr}
// goes back to the plain table.
void UseFieldAccess(FieldAccess access);

std::string FieldText(int control);
void SetFieldText(int control, std::string_view text);
