// SPDX-License-Identifier: GPL-3.0-or-later
// Inside the toolkit: the Qt widgets behind the window and its controls.
// Only the toolkit's own files and the GUI tests include this header.
#pragma once

#include <QImage>
#include <QMargins>
#include <QWidget>

#include <cstdint>
#include <optional>

#include "toolkit/toolkit.h"

namespace diplexer {

// The main window: a fixed-size top-level widget whose own surface is an
// off-screen image in the face colour, so that what is drawn on it survives
// every repaint.
class ToolkitWindow final : public QWidget {
  public:
    ToolkitWindow(int width, int height);
    QImage& Surface() { return surface_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QImage surface_;
};

// A canvas: its content is an off-screen RGB image of its drawable size.
class ToolkitCanvas final : public QWidget {
  public:
    ToolkitCanvas(int number, bool sunken, QWidget* parent);
    QImage& Image() { return image_; }
    int Border() const { return border_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    std::int32_t AreaCoordinate(qreal v) const;
    bool InDrawableArea(QPointF position) const;
    bool Reports(QPointF position) const;
    void Post(QPointF position, int count = 1);
    void Press(QMouseEvent* event, int count);
    static bool Clicks(Qt::MouseButton button);

    int number_;
    int border_;
    QImage image_;
    bool inside_ = false;    // the pointer is in the drawable area
    bool dragging_ = false;  // a press in the area holds the pointer's reports
};

// The widget of a control, the main window, and their event queue.
QWidget* ControlWidget(int control);
ToolkitWindow* MainWindowWidget();
void PostEvent(std::int32_t code, int control, std::int32_t x, std::int32_t y);
// Forget the controls once they have been deleted, and queued events.
void ForgetControls();
// Hands the texts written into fields since Qt last ran to their widgets.
void FlushControlTexts();
void ForgetEvents();

// Input that could change a field is held back while an event of ours is
// queued, and released, in order, once the queue is empty again.
void StartHoldingInput();
void StopHoldingInput();
void ReleaseHeldInput();
std::size_t HeldInputEvents();
void ForgetHeldInput();

// What the window asks of the window manager that Qt's flags cannot say: to be
// moved and closed, nothing else (X11's Motif hints).
void AskForMoveAndCloseOnly(QWidget* window);
// The frame the window manager will put around `window` (not yet shown):
// nothing when the platform cannot tell before it is shown (Qt's own frame
// margins then stand), no margins when there is no window manager.
std::optional<QMargins> AskFrameExtents(QWidget* window);

}  // namespace diplexer
