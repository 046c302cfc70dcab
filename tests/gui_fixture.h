// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window, built afresh for each test under the offscreen platform.
#pragma once

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <string>

#include "app/control_numbers.h"
#include "app/dispatcher.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "model/diplexer_state.h"
#include "model/fields.h"
#include "toolkit/toolkit.h"
#include "toolkit/toolkit_qt.h"

namespace diplexer {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetDiplexerState();
        ConnectModelToWindow();
        BuildMainWindow();
        window = MainWindowWidget();
        ASSERT_NE(window, nullptr);
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        Deliver();
    }

    void TearDown() override {
        CloseMainWindow();
        UseFieldAccess({nullptr, nullptr});
    }

    // Lets Qt deliver what is pending, then hands every queued event of ours to
    // the dispatcher, one loop step at a time, as the event loop does.
    static void Deliver() {
        QApplication::processEvents();
        while (QueuedEvents() > 0) {
            HandleNextEvent();
        }
        ReleaseHeldInput();  // what the loop's next wait would hand on first
    }

    static QWidget* Widget(int control) { return ControlWidget(control); }

    static std::string Text(int control) { return ControlText(control); }

    static void Type(int control, const char* text) {
        auto* field = qobject_cast<QLineEdit*>(Widget(control));
        ASSERT_NE(field, nullptr);
        field->clear();
        const QString typed = QString::fromUtf8(text);
        bool printable = true;
        for (QChar c : typed) {
            printable = printable && c.unicode() >= 0x20 && c.unicode() < 0x7f;
        }
        if (printable) {
            QTest::keyClicks(field, typed);
        } else {
            field->insert(typed);  // as pasted: the keyboard cannot type it here
        }
    }

    static void Press() {
        QTest::mouseClick(Widget(CalculateButton), Qt::LeftButton);
        Deliver();
    }

    // A point of ResponsePlot given in drawable-area coordinates, inside its
    // sunken edge.
    static QPoint Inside(int x, int y) {
        return QPoint(x + kSunkenEdgeWidth, y + kSunkenEdgeWidth);
    }

    // One turn of the wheel over `point` of `widget`, as the platform
    // delivers it to the control under the pointer.
    static void TurnWheel(QWidget* widget, QPoint point, int delta) {
        QWheelEvent wheel(QPointF(point), QPointF(widget->mapToGlobal(point)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
    }

    static QImage CanvasImage(int control) {
        return static_cast<ToolkitCanvas*>(Widget(control))->Image();
    }

    ToolkitWindow* window = nullptr;
};

}  // namespace diplexer
