// SPDX-License-Identifier: GPL-3.0-or-later
// How long a press of "РАСЧЕТ" and a pointer readout take: in the real window
// (Qt's offscreen platform unless a display is chosen), and as the bare model
// arithmetic of the same work, with the field texts in the model's plain table
// and nothing drawn.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <string>

#include "app/control_numbers.h"
#include "app/dispatcher.h"
#include "app/main_window.h"
#include "app/number_text.h"
#include "app/startup.h"
#include "display/plot_scale.h"
#include "model/components.h"
#include "model/diplexer_state.h"
#include "model/fields.h"
#include "model/network_response.h"
#include "toolkit/toolkit.h"
#include "toolkit/toolkit_qt.h"

namespace {

using namespace diplexer;

void OpenWindow() {
    ResetDiplexerState();
    ConnectModelToWindow();
    BuildMainWindow();
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
    }
}

// What the event loop does next: hand the texts over and let Qt paint.
void RepaintFields() {
    FlushControlTexts();
    QApplication::processEvents();
}

void CloseWindow() {
    CloseMainWindow();
    UseFieldAccess({nullptr, nullptr});
}

void PlainInputs() {
    ResetDiplexerState();
    UseFieldAccess({nullptr, nullptr});
    SetFieldText(FreqInput, "10");
    SetFieldText(ResistanceInput, "50");
    SetFieldText(QkInput, "60");
    SetFieldText(QdInput, "4");
}

// The press as the dispatcher runs it: components, the response at F and both
// plots, each ending with a repaint of the plot; with `repaintFields`, also
// Qt painting the fields whose texts changed.
void PressInWindow(benchmark::State& s, bool repaintFields) {
    OpenWindow();
    for (auto _ : s) {
        RunCalculateSequence();
        if (repaintFields) {
            RepaintFields();
        }
    }
    CloseWindow();
}

// Components, the response at F and the rows of the 264 samples.
void PressBareModel(benchmark::State& s) {
    PlainInputs();
    for (auto _ : s) {
        BeginCalculation();
        ShowResponseAtWorkingFrequency();
        for (std::int32_t x = kFirstSampleX; x <= kSampleLimitX; x += kSampleStep) {
            benchmark::DoNotOptimize(TransferRow(TransferCoefficient(SampleFrequency(x))));
        }
        for (std::int32_t x = kFirstSampleX; x <= kSampleLimitX; x += kSampleStep) {
            benchmark::DoNotOptimize(SwrRow(StandingWaveRatio(SampleFrequency(x))));
        }
    }
}

// One pointer event of the plot, taken from the queue and dispatched; the
// pointer alternates between two columns so that every text changes. With
// `repaintFields`, also Qt painting the three fields.
void ReadoutInWindow(benchmark::State& s, bool repaintFields) {
    OpenWindow();
    RunCalculateSequence();
    std::int32_t x = 200;
    for (auto _ : s) {
        PostEvent(EventControl, ResponsePlot, x, 100);
        HandleNextEvent();
        if (repaintFields) {
            RepaintFields();
        }
        x = 401 - x;
    }
    CloseWindow();
}

void ReadoutBareModel(benchmark::State& s) {
    PlainInputs();
    BeginCalculation();
    std::int32_t x = 200;
    for (auto _ : s) {
        SetFieldText(FiOutput, FormatFixed(ColumnFrequency(x), 2) + "  Мгц    ");
        benchmark::DoNotOptimize(StandingWaveRatio(SampleFrequency(x)));
        benchmark::DoNotOptimize(TransferCoefficient(SampleFrequency(x)));
        x = 401 - x;
    }
}

BENCHMARK_CAPTURE(PressInWindow, handled, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PressInWindow, with_field_repaints, true)->Unit(benchmark::kMicrosecond);
BENCHMARK(PressBareModel)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadoutInWindow, handled, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadoutInWindow, with_field_repaints, true)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadoutBareModel)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    }
    benchmark::Initialize(&argc, argv);
    diplexer::StartToolkit(diplexer::kDesktopId);
    benchmark::RunSpecifiedBenchmarks();
    diplexer::StopToolkit();
    benchmark::Shutdown();
    return 0;
}
