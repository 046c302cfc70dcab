// SPDX-License-Identifier: GPL-3.0-or-later
// The whole calculate press, headless, over four arbitrary input texts, and
// then pointer events over the plot. The input is F|R|Qk|Qd|, then the pointer
// columns, four bytes each (little-endian, signed). The toolkit's drawing and
// event procedures are this file's own: the plot is a 656 x 336 image inside a
// guard border that must stay untouched, and the fields are a table that
// counts every write and checks its text.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "app/control_numbers.h"
#include "app/dispatcher.h"
#include "display/plot_colours.h"
#include "fuzz/fuzz_check.h"
#include "model/diplexer_state.h"
#include "model/fields.h"
#include "toolkit/toolkit.h"

using namespace diplexer;

namespace {

constexpr int kPlotWidth = 656;
constexpr int kPlotHeight = 336;
constexpr int kGuard = 64;
constexpr std::ptrdiff_t kStride = kPlotWidth + 2 * kGuard;
constexpr std::uint32_t kGuardWord = 0x5a5a5a5au;  // no pixel has a zero top byte
constexpr std::uint32_t kWhite = 0xffffffffu;
// What the plot may show: white, the grid, the K curve and the SWR curve.
constexpr std::uint32_t kPlotColours[] = {kWhite, PixelOf(kGridColour), PixelOf(kTransferColour),
                                          PixelOf(kSwrColour)};

std::vector<std::uint32_t> buffer(std::size_t(kStride) * (kPlotHeight + 2 * kGuard));
int openDrawings = 0;
int drawingPasses = 0;

struct Event {
    int control;
    std::int32_t x;
};
Event current{0, 0};

std::array<std::string, kControlCount + 1> texts;
std::array<int, kControlCount + 1> writes{};

std::uint32_t* const plot = buffer.data() + kGuard * kStride + kGuard;

// The passes over every pixel of the buffer are not the code under test: they
// are left out of the coverage that guides the fuzzer and of the sanitizers'
// checks, which would slow them many times over.
#define NOT_GUIDING __attribute__((no_sanitize("coverage", "address", "undefined")))

// The guard is laid once: nothing may ever write there.
NOT_GUIDING bool LayGuard() {
    std::fill(buffer.begin(), buffer.end(), kGuardWord);
    return true;
}
const bool guardLaid = LayGuard();

NOT_GUIDING void ResetPlot() {
    for (int y = 0; y < kPlotHeight; ++y) {
        std::uint32_t* row = plot + y * kStride;
        for (int x = 0; x < kPlotWidth; ++x) {
            row[x] = kWhite;
        }
    }
}

NOT_GUIDING void CheckPlot() {
    for (int y = -kGuard; y < kPlotHeight + kGuard; ++y) {
        const std::uint32_t* row = plot + y * kStride;
        const bool guardRow = y < 0 || y >= kPlotHeight;
        for (int x = -kGuard; x < kPlotWidth + kGuard; ++x) {
            const std::uint32_t word = row[x];
            if (guardRow || x < 0 || x >= kPlotWidth) {
                FUZZ_REQUIRE(word == kGuardWord);
            } else {
                FUZZ_REQUIRE(word == kPlotColours[0] || word == kPlotColours[1] ||
                             word == kPlotColours[2] || word == kPlotColours[3]);
            }
        }
    }
}

std::string ReadField(int control) {
    FUZZ_REQUIRE(control == FreqInput || control == ResistanceInput || control == QkInput ||
                 control == QdInput);
    return texts[std::size_t(control)];
}

void WriteField(int control, std::string_view text) {
    FUZZ_REQUIRE(control >= 1 && control <= kControlCount);
    texts[std::size_t(control)] = text;
    ++writes[std::size_t(control)];
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// A number text with `decimals` decimals followed by `unit`.
bool IsNumberText(std::string_view text, int decimals, std::string_view unit) {
    if (!EndsWith(text, unit)) {
        return false;
    }
    text.remove_suffix(unit.size());
    if (text == "+Infinity" || text == "-Infinity" || text == "NaN") {
        return true;
    }
    if (!text.empty() && text[0] == '-') {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0 ||
        text.size() - point - 1 != std::size_t(decimals) || (text[0] == '0' && point > 1)) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != point && !(text[i] >= '0' && text[i] <= '9')) {
            return false;
        }
    }
    return true;
}

struct Output {
    int control;
    int decimals;
    const char* unit;
};
constexpr Output kOutputs[] = {
    {L1Output, 3, " мкгн"},
    {L2Output, 3, " мкгн"},
    {C1Output, 3, " пф"},
    {C2Output, 3, " пф"},
    {SeriesLoadROutput, 2, " ом"},
    {ParallelLoadROutput, 2, " ом"},
    {SourceROutput, 2, " ом"},
    {KOutput, 5, ""},
    {SwrOutput, 5, ""},
    {LossOutput, 4, "           "},
    {FiOutput, 2, "  Мгц    "},
};

// Every field holds what it should: a number text where it was written, the
// text from before where it was not.
void CheckFields(const std::array<int, kControlCount + 1>& expectedWrites) {
    FUZZ_REQUIRE(writes == expectedWrites);
    for (const Output& o : kOutputs) {
        const std::string& text = texts[std::size_t(o.control)];
        FUZZ_REQUIRE(writes[std::size_t(o.control)] == 0 ? text == "unset"
                                                         : IsNumberText(text, o.decimals, o.unit));
    }
}

}  // namespace

// The toolkit, as far as the press and the readout use it.
namespace diplexer {

PixelImage BeginDrawing(int target) {
    FUZZ_REQUIRE(target == ResponsePlot && openDrawings == 0);
    ++openDrawings;
    ++drawingPasses;
    return PixelImage{plot, kPlotWidth, kPlotHeight, kStride};
}

void EndDrawing(int target) {
    FUZZ_REQUIRE(target == ResponsePlot && openDrawings == 1);
    --openDrawings;
}

int EventControlNumber() {
    return current.control;
}

std::int32_t EventPointerX() {
    return current.x;
}

std::int32_t EventPointerY() {
    return 0;
}

}  // namespace diplexer

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    FUZZ_REQUIRE(guardLaid);
    ResetDiplexerState();
    ResetPlot();
    drawingPasses = 0;
    texts.fill("unset");
    writes.fill(0);
    for (int control : {FreqInput, ResistanceInput, QkInput, QdInput}) {
        const std::size_t bar = input.find('|');
        texts[std::size_t(control)] = input.substr(0, bar);
        input.remove_prefix(bar == std::string_view::npos ? input.size() : bar + 1);
    }
    UseFieldAccess({&ReadField, &WriteField});

    // The press: the seven fields over the schematic and the loss once, K and
    // the SWR at F and at each of the 132 plot samples, two drawing passes.
    current = Event{CalculateButton, 0};
    FUZZ_REQUIRE(HandleEvent(EventControl) == 1);
    FUZZ_REQUIRE(state.calculated == 1 && drawingPasses == 2 && openDrawings == 0);
    std::array<int, kControlCount + 1> expected{};
    for (int control : {L1Output, L2Output, C1Output, C2Output, SeriesLoadROutput,
                        ParallelLoadROutput, SourceROutput, LossOutput}) {
        expected[std::size_t(control)] = 1;
    }
    expected[KOutput] = expected[SwrOutput] = 1 + 132;
    CheckFields(expected);

    // The pointer over the plot: a column of 1 or more shows its frequency, K
    // and the SWR; any other changes nothing.
    for (int i = 0; i < 16 && input.size() >= 4; ++i) {
        std::uint32_t column = 0;
        for (int b = 3; b >= 0; --b) {
            column = column << 8 | static_cast<std::uint8_t>(input[std::size_t(b)]);
        }
        input.remove_prefix(4);
        current = Event{ResponsePlot, static_cast<std::int32_t>(column)};
        FUZZ_REQUIRE(HandleEvent(EventControl) == 1);
        if (current.x > 0) {
            ++expected[FiOutput];
            ++expected[KOutput];
            ++expected[SwrOutput];
        }
        CheckFields(expected);
    }
    FUZZ_REQUIRE(drawingPasses == 2);  // the readout draws nothing
    CheckPlot();
    UseFieldAccess({nullptr, nullptr});
    return 0;
}
