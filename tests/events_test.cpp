// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer activity over the canvases arrives as control events that carry the
// pointer position in drawable-area coordinates.
#include <QCursor>
#include <QMouseEvent>
#include <QTimer>

#include <cstdint>
#include <limits>
#include <vector>

#include "gui_fixture.h"

using namespace diplexer;

namespace {

struct Seen {
    int code;
    int control;
    int x;
    int y;
    bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << "{" << s.code << ", " << s.control << ", " << s.x << ", " << s.y << "}";
}

// Takes every queued event without dispatching it.
std::vector<Seen> Take() {
    QApplication::processEvents();
    std::vector<Seen> seen;
    while (QueuedEvents() > 0) {
        const int code = WaitForEvent();
        seen.push_back(Seen{code, EventControlNumber(), EventPointerX(), EventPointerY()});
    }
    return seen;
}

class PointerEvents : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        plot = Widget(ResponsePlot);
        // Start with the pointer resting over the window, away from the canvases.
        QTest::mouseMove(window, QPoint(700, 500));
        Take();
    }

    QWidget* plot = nullptr;
};

TEST_F(PointerEvents, EnteringAndMovingReportTheDrawableAreaPosition) {
    QTest::mouseMove(plot, Inside(100, 50));
    std::vector<Seen> seen = Take();
    ASSERT_FALSE(seen.empty());
    for (const Seen& s : seen) {
        EXPECT_EQ(s, (Seen{EventControl, ResponsePlot, 100, 50}));
    }
    QTest::mouseMove(plot, Inside(0, 0));
    QTest::mouseMove(plot, Inside(655, 335));
    seen = Take();
    const std::vector<Seen> moves{{EventControl, ResponsePlot, 0, 0},
                                  {EventControl, ResponsePlot, 655, 335}};
    EXPECT_EQ(seen, moves);
}

TEST_F(PointerEvents, LeavingReportsAPositionOutside) {
    QTest::mouseMove(plot, Inside(300, 100));
    Take();
    QTest::mouseMove(window, QPoint(700, 450));  // over the bare window, right of the plot
    const std::vector<Seen> seen = Take();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].control, ResponsePlot);
    EXPECT_EQ(seen[0].x, 700 - 10 - 2);
    EXPECT_EQ(seen[0].y, 450 - 270 - 2);
}

// The sunken edge is outside the drawable area: moves and buttons over it
// report nothing, and the pointer crossing it from the area reports one leave.
TEST_F(PointerEvents, TheEdgeIsOutsideTheArea) {
    const QPoint edge[] = {{658, 100}, {659, 100}, {0, 100},   {1, 100},
                           {300, 0},   {300, 1},   {300, 338}, {300, 339}};
    for (QPoint p : edge) {
        QTest::mouseMove(plot, p);
        QTest::mouseClick(plot, Qt::LeftButton, {}, p);
        TurnWheel(plot, p, 120);
        EXPECT_TRUE(Take().empty()) << p.x() << "," << p.y();
    }
    // In across the edge: entry and move, both in the area.
    QTest::mouseMove(plot, Inside(650, 100));
    EXPECT_EQ(Take(), std::vector<Seen>(2, Seen{EventControl, ResponsePlot, 650, 100}));
    // Out across the right edge: the move onto the edge is the leave, and
    // nothing follows when the pointer leaves the control.
    QTest::mouseMove(plot, QPoint(658, 102));
    QTest::mouseMove(plot, QPoint(659, 102));
    QTest::mouseMove(window, QPoint(700, 380));
    EXPECT_EQ(Take(), std::vector<Seen>(1, Seen{EventControl, ResponsePlot, 656, 100}));
}

TEST_F(PointerEvents, ButtonsClicksAndTheWheel) {
    QTest::mouseMove(plot, Inside(10, 20));
    Take();
    const Seen at{EventControl, ResponsePlot, 10, 20};
    // Press, release and the click that follows a left or right release.
    QTest::mouseClick(plot, Qt::LeftButton, {}, Inside(10, 20));
    EXPECT_EQ(Take(), std::vector<Seen>(3, at));
    QTest::mouseClick(plot, Qt::RightButton, {}, Inside(10, 20));
    EXPECT_EQ(Take(), std::vector<Seen>(3, at));
    QTest::mouseClick(plot, Qt::MiddleButton, {}, Inside(10, 20));
    EXPECT_EQ(Take(), std::vector<Seen>(2, at));
    // A double click as Qt delivers it from the window system: press,
    // release, double click (the second press), release. The second press
    // yields a click of its own for the left and right buttons.
    const struct {
        const char* name;
        Qt::MouseButton button;
        std::size_t events;
    } doubleClicks[] = {{"left", Qt::LeftButton, 7},
                        {"right", Qt::RightButton, 7},
                        {"middle", Qt::MiddleButton, 4}};
    for (const auto& d : doubleClicks) {
        SCOPED_TRACE(d.name);
        QTest::mousePress(plot, d.button, {}, Inside(10, 20));
        QTest::mouseRelease(plot, d.button, {}, Inside(10, 20));
        QTest::mouseDClick(plot, d.button, {}, Inside(10, 20));  // the double-click event alone
        QTest::mouseRelease(plot, d.button, {}, Inside(10, 20));
        EXPECT_EQ(Take(), std::vector<Seen>(d.events, at));
    }
    TurnWheel(plot, Inside(10, 20), 120);
    EXPECT_EQ(Take(), std::vector<Seen>(1, at));
}

TEST_F(PointerEvents, ADragGoesOnReportingOutsideThePlot) {
    QTest::mouseMove(plot, Inside(600, 100));
    QTest::mousePress(plot, Qt::LeftButton, {}, Inside(600, 100));
    Take();
    QTest::mouseMove(plot, Inside(700, 100));
    QTest::mouseMove(plot, Inside(-30, -40));
    const std::vector<Seen> seen = Take();
    const std::vector<Seen> drag{{EventControl, ResponsePlot, 700, 100},
                                 {EventControl, ResponsePlot, -30, -40}};
    EXPECT_EQ(seen, drag);
    QTest::mouseRelease(plot, Qt::LeftButton, {}, Inside(-30, -40));
    const std::vector<Seen> release = Take();
    ASSERT_GE(release.size(), 2u);
    EXPECT_EQ(release[0], (Seen{EventControl, ResponsePlot, -30, -40}));
}

TEST_F(PointerEvents, OtherControlsAndTheKeyboard) {
    QTest::mouseClick(Widget(SchematicView), Qt::LeftButton, {}, QPoint(30, 40));
    const std::vector<Seen> clicked = Take();
    ASSERT_EQ(clicked.size(), 3u);  // press, release and click
    for (const Seen& s : clicked) {
        EXPECT_EQ(s.control, SchematicView);
        EXPECT_EQ(s.x, 30);
        EXPECT_EQ(s.y, 40);
    }
    QTest::keyClicks(Widget(FreqInput), "12");
    EXPECT_TRUE(Take().empty());
    QTest::mouseClick(Widget(CalculateButton), Qt::LeftButton);
    EXPECT_EQ(Take(), std::vector<Seen>(1, Seen{EventControl, CalculateButton, 0, 0}));
    // Nothing queued: the wait lets Qt work and reports an 'other' event.
    QTimer::singleShot(0, [] {});
    EXPECT_EQ(WaitForEvent(), EventOther);
    EXPECT_EQ(EventControlNumber(), 0);
    EXPECT_EQ(EventPointerX(), 0);
}

TEST_F(PointerEvents, DoNothingBeforeTheFirstPress) {
    QTest::mouseMove(plot, Inside(200, 100));
    QTest::mouseClick(plot, Qt::LeftButton, {}, Inside(200, 100));
    TurnWheel(plot, Inside(200, 100), -120);
    QTest::mousePress(plot, Qt::RightButton, {}, Inside(200, 100));
    QTest::mouseMove(plot, Inside(700, 100));
    QTest::mouseRelease(plot, Qt::RightButton, {}, Inside(700, 100));
    QTest::mouseMove(window, QPoint(700, 450));
    Deliver();
    EXPECT_EQ(Text(FiOutput), "Fi");
    EXPECT_EQ(Text(KOutput), "K");
    EXPECT_EQ(Text(SwrOutput), "KSW");
}

// Positions as far out as the window system can report them, during a drag
// that began on the plot: the border is taken off without passing the 32-bit
// range, and the result stays in it.
TEST_F(PointerEvents, FarPositionsStayInTheIntRange) {
    const struct {
        const char* name;
        qreal position;
        std::int32_t drawable;
    } cases[] = {
        {"fraction inside", 10.75, 8},
        {"int minimum", -2147483648.0, INT32_MIN},
        {"just inside the minimum", -2147483645.5, -2147483648},
        {"two above the minimum", -2147483646.0, -2147483648},
        {"beyond the minimum", -1e12, INT32_MIN},
        {"int maximum", 2147483647.0, 2147483645},
        {"beyond the maximum", 1e12, 2147483645},
        {"not a number", std::numeric_limits<qreal>::quiet_NaN(), INT32_MIN},
    };
    QTest::mousePress(plot, Qt::LeftButton, {}, Inside(10, 10));
    Take();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QPointF at(c.position, c.position);
        QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(plot, &move);
        EXPECT_EQ(Take(),
                  std::vector<Seen>(1, Seen{EventControl, ResponsePlot, c.drawable, c.drawable}));
    }
    QTest::mouseRelease(plot, Qt::LeftButton, {}, Inside(10, 10));
    Take();
}

}  // namespace
