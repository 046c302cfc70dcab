// SPDX-License-Identifier: GPL-3.0-or-later
// The readout under the pointer, driven through the real plot canvas.
#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gui_fixture.h"

using namespace diplexer;

namespace {

using Write = std::pair<int, std::string>;

class PointerReadout : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        plot = Widget(ResponsePlot);
        QTest::mouseMove(window, QPoint(700, 500));  // resting away from the plot
        Deliver();
        writes.clear();
        UseFieldAccess({&ControlText, &RecordWrite});
    }

    // Every field write of the model, in order, passed on to the window.
    static void RecordWrite(int control, std::string_view text) {
        writes.emplace_back(control, std::string(text));
        SetControlText(control, text);
    }

    void MoveTo(int x, int y = 100) {
        QTest::mouseMove(plot, Inside(x, y));
        Deliver();
    }

    static std::vector<Write> ReadoutWrites(const char* fi, const char* k, const char* swr) {
        return {{FiOutput, fi}, {SwrOutput, swr}, {KOutput, k}};
    }

    static std::vector<Write> Taken() { return std::exchange(writes, {}); }

    static inline std::vector<Write> writes;
    QWidget* plot = nullptr;
};

TEST_F(PointerReadout, ShowsTheFrequencyAndTheResponseUnderThePointer) {
    Press();
    MoveTo(200);
    EXPECT_EQ(Text(FiOutput), "10.00  Мгц    ");
    EXPECT_EQ(Text(KOutput), "0.93749");
    EXPECT_EQ(Text(SwrOutput), "1.00098");
    for (const auto& [x, fi] : std::vector<std::pair<int, const char*>>{
             {1, "0.05  Мгц    "}, {247, "12.35  Мгц    "}, {655, "32.75  Мгц    "}}) {
        MoveTo(x);
        EXPECT_EQ(Text(FiOutput), fi) << x;
    }
    // The readout at the last column evaluates the network there.
    EXPECT_EQ(Text(KOutput), "0.08380");
    // The leftmost column shows nothing.
    Taken();
    MoveTo(0);
    EXPECT_TRUE(Taken().empty());
    EXPECT_EQ(Text(FiOutput), "32.75  Мгц    ");
}

TEST_F(PointerReadout, EveryEventRunsItOnceInOrderFiSwrK) {
    Press();
    Taken();
    // Coming in: the entry and the move, both at the same place.
    MoveTo(190, 50);
    const std::vector<Write> entered = Taken();
    ASSERT_EQ(entered.size(), 6u);
    EXPECT_EQ(entered[0], Write(FiOutput, "9.50  Мгц    "));
    EXPECT_TRUE(std::equal(entered.begin(), entered.begin() + 3, entered.begin() + 3));
    // Each move in the plot: one readout.
    MoveTo(200, 50);
    const std::vector<Write> once = ReadoutWrites("10.00  Мгц    ", "0.93749", "1.00098");
    EXPECT_EQ(Taken(), once);
    // Press, release and the click that follows: three readouts, the same.
    QTest::mouseClick(plot, Qt::LeftButton, {}, Inside(200, 50));
    Deliver();
    std::vector<Write> thrice;
    for (int i = 0; i < 3; ++i) {
        thrice.insert(thrice.end(), once.begin(), once.end());
    }
    EXPECT_EQ(Taken(), thrice);
    TurnWheel(plot, Inside(200, 50), 120);
    Deliver();
    EXPECT_EQ(Taken(), once);
}

TEST_F(PointerReadout, LeavingAndDraggingBeyondTheEdges) {
    Press();
    MoveTo(650);
    // Across the right edge, onto the bare window: one more readout there.
    Taken();
    QTest::mouseMove(window, QPoint(700, 450));
    Deliver();
    ASSERT_EQ(Taken().size(), 3u);
    EXPECT_EQ(Text(FiOutput), "34.40  Мгц    ");  // x = 700 - 10 - 2
    // Across the left edge: nothing changes.
    MoveTo(5);
    QTest::mouseMove(window, QPoint(5, 450));
    Taken();
    Deliver();
    EXPECT_TRUE(Taken().empty());
    EXPECT_EQ(Text(FiOutput), "0.25  Мгц    ");
    // A drag goes on reporting outside the plot, at 35 MHz to the right, and
    // shows nothing to the left.
    MoveTo(600);
    QTest::mousePress(plot, Qt::LeftButton, {}, Inside(600, 100));
    MoveTo(700);
    EXPECT_EQ(Text(FiOutput), "35.00  Мгц    ");
    EXPECT_EQ(Text(KOutput), "0.07747");
    EXPECT_EQ(Text(SwrOutput), "1.00129");
    MoveTo(-30, -40);
    QTest::mouseRelease(plot, Qt::LeftButton, {}, Inside(-30, -40));
    Deliver();
    EXPECT_EQ(Text(FiOutput), "35.00  Мгц    ");
}

TEST_F(PointerReadout, WorksFromTheValuesOfTheLastPress) {
    Press();
    Type(FreqInput, "20");
    Type(QkInput, "5");
    MoveTo(200);
    EXPECT_EQ(Text(KOutput), "0.93749");
    EXPECT_EQ(Text(SwrOutput), "1.00098");
    // A press with the pointer resting outside the plot (gone across the
    // left edge) leaves FiOutput as the last readout left it, and K and the
    // SWR at 32.8 MHz.
    QTest::mouseMove(window, QPoint(5, 500));
    Deliver();
    Type(FreqInput, "10");
    Type(QkInput, "60");
    Press();
    EXPECT_EQ(Text(FiOutput), "10.00  Мгц    ");
    EXPECT_EQ(Text(KOutput), "0.08365");
    EXPECT_EQ(Text(SwrOutput), "1.00139");
    // The next readout uses the new values.
    Type(FreqInput, "20");
    Press();
    MoveTo(400);
    EXPECT_EQ(Text(FiOutput), "20.00  Мгц    ");
    EXPECT_EQ(Text(KOutput), "0.93749");
}

}  // namespace
