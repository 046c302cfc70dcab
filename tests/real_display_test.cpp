// SPDX-License-Identifier: GPL-3.0-or-later
// The plot's pointer events as a real X server delivers them, driven with
// XTest like a user's mouse: double clicks, the edge, leaving across it. Runs
// on Qt's xcb platform only (the Xvfb runs start it); elsewhere it skips.
#include <QGuiApplication>

#include <chrono>
#include <thread>
#include <vector>

#include "gui_fixture.h"

// Xlib last: its macros would clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

using namespace diplexer;

namespace {

struct Seen {
    int control;
    int x;
    int y;
    bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << "{" << s.control << ", " << s.x << ", " << s.y << "}";
}

class RealDisplay : public WindowTest {
  protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != "xcb") {
            GTEST_SKIP() << "needs a real X server (QT_QPA_PLATFORM=xcb)";
        }
        WindowTest::SetUp();
        // The window manager gives the new window the focus: wait for it, so
        // that the first click is the window's and not the manager's.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        Settle(300);
        user = XOpenDisplay(nullptr);
        ASSERT_NE(user, nullptr);
        plot = Widget(ResponsePlot);
        MoveTo(QPoint(700, 500), window);  // resting away from the plot
        Take();
    }

    void TearDown() override {
        if (user != nullptr) {
            XCloseDisplay(user);
        }
        if (QGuiApplication::platformName() == "xcb") {
            WindowTest::TearDown();
        }
    }

    // The pointer to `point` of `widget`, as the mouse moves it.
    void MoveTo(QPoint point, QWidget* widget) {
        const QPoint global = widget->mapToGlobal(point);
        XTestFakeMotionEvent(user, -1, global.x(), global.y(), 0);
        XSync(user, False);
    }

    // A point of the drawable area.
    void MoveInto(int x, int y) { MoveTo(Inside(x, y), plot); }

    // A button goes down or up, and stays so a moment, as a finger holds it:
    // the window manager sees each press before the next change.
    void Button(unsigned int button, bool down) {
        XTestFakeButtonEvent(user, button, down ? True : False, 0);
        XSync(user, False);
        Settle(40);
    }

    // Lets Qt handle what the server has sent for `ms` milliseconds.
    static void Settle(int ms) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < until) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    // Lets the server's events arrive, `expected` of ours at least (or 5 s,
    // on a loaded machine), and a moment more for any beyond them; then takes
    // every queued event of ours.
    static std::vector<Seen> Take(std::size_t expected = 0) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (QueuedEvents() < expected && std::chrono::steady_clock::now() < until) {
            Settle(10);
        }
        Settle(300);
        std::vector<Seen> seen;
        while (QueuedEvents() > 0) {
            if (WaitForEvent() == EventControl) {
                seen.push_back(Seen{EventControlNumber(), EventPointerX(), EventPointerY()});
            }
        }
        return seen;
    }

    Display* user = nullptr;
    QWidget* plot = nullptr;
};

TEST_F(RealDisplay, DoubleClicksGiveEveryPressAndClick) {
    MoveInto(10, 20);
    // A first click, which also gives the window the focus.
    Button(1, true);
    Button(1, false);
    Take();
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    const struct {
        const char* name;
        unsigned int button;
        std::size_t events;
    } doubleClicks[] = {{"left", 1, 7}, {"right", 3, 7}, {"middle", 2, 4}};
    for (const auto& d : doubleClicks) {
        SCOPED_TRACE(d.name);
        for (int click = 0; click < 2; ++click) {
            Button(d.button, true);
            Button(d.button, false);
        }
        const std::vector<Seen> seen = Take(d.events);
        EXPECT_EQ(seen, std::vector<Seen>(d.events, Seen{ResponsePlot, 10, 20}));
        std::printf("%s double click: %zu events\n", d.name, seen.size());
        std::this_thread::sleep_for(std::chrono::milliseconds(600));  // not a triple click
    }
}

TEST_F(RealDisplay, TheEdgeGivesNothingAndLeavingAcrossItOneReadout) {
    // Along the edge's columns and rows: nothing.
    for (QPoint p :
         {QPoint(1, 100), QPoint(658, 100), QPoint(659, 200), QPoint(300, 1), QPoint(300, 338)}) {
        MoveTo(p, plot);
    }
    EXPECT_EQ(Take(), std::vector<Seen>{});
    // In, then out across the right edge a pixel at a time.
    MoveInto(650, 100);
    EXPECT_EQ(Take(2), std::vector<Seen>(2, Seen{ResponsePlot, 650, 100}));
    for (int x = 651; x <= 700; ++x) {
        MoveInto(x, 100);
        Settle(15);
    }
    std::vector<Seen> expected;
    for (int x = 651; x <= 656; ++x) {
        expected.push_back(Seen{ResponsePlot, x, 100});  // the last, on the edge, is the leave
    }
    EXPECT_EQ(Take(expected.size()), expected);
    // In, then out in one sweep, faster than Qt takes the moves: one readout
    // outside, at 32.80 MHz or more.
    MoveInto(600, 100);
    Take();
    for (int x = 601; x <= 720; x += 7) {
        MoveInto(x, 100);
    }
    std::vector<Seen> sweep;
    for (int wait = 0; wait < 10 && (sweep.empty() || sweep.back().x < 656); ++wait) {
        const std::vector<Seen> more = Take(1);
        sweep.insert(sweep.end(), more.begin(), more.end());
    }
    ASSERT_FALSE(sweep.empty());
    EXPECT_GE(sweep.back().x, 656);
    sweep.pop_back();
    for (const Seen& s : sweep) {
        EXPECT_LT(s.x, 656) << "a second readout outside the area";
    }
}

}  // namespace
