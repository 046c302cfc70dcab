// SPDX-License-Identifier: GPL-3.0-or-later
#include <qdrawutil.h>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "toolkit/toolkit_qt.h"

namespace diplexer {

namespace {

// Pointer positions are whole pixels; a fractional one is taken at its pixel.
std::int32_t Pixel(qreal v) {
    const qreal whole = std::floor(v);
    if (!(whole > -2147483648.0)) {
        return INT32_MIN;
    }
    if (!(whole < 2147483647.0)) {
        return INT32_MAX;
    }
    return std::int32_t(whole);
}

}  // namespace

ToolkitCanvas::ToolkitCanvas(int number, bool sunken, QWidget* parent)
    : QWidget(parent), number_(number), border_(sunken ? kSunkenEdgeWidth : 0) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ToolkitCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(border_, border_, image_);
    if (border_ > 0) {
        qDrawWinPanel(&painter, rect(), palette(), true);
    }
}

// Pointer positions in drawable-area coordinates: the canvas's pixel less its
// edge, in 64 bits since the pixel can be the lowest 32-bit value, then held
// to the 32-bit range an event carries.
std::int32_t ToolkitCanvas::AreaCoordinate(qreal v) const {
    const std::int64_t inside = std::int64_t(Pixel(v)) - border_;
    return std::int32_t(std::clamp<std::int64_t>(inside, INT32_MIN, INT32_MAX));
}

bool ToolkitCanvas::InDrawableArea(QPointF position) const {
    const std::int32_t x = AreaCoordinate(position.x());
    const std::int32_t y = AreaCoordinate(position.y());
    return x >= 0 && y >= 0 && x < image_.width() && y < image_.height();
}

void ToolkitCanvas::Post(QPointF position, int count) {
    const std::int32_t x = AreaCoordinate(position.x());
    const std::int32_t y = AreaCoordinate(position.y());
    for (int i = 0; i < count; ++i) {
        PostEvent(EventControl, number_, x, y);
    }
}

// Whether a button event at `position` belongs to the plot: in the drawable
// area, or anywhere while a drag that began there goes on.
bool ToolkitCanvas::Reports(QPointF position) const {
    return dragging_ || InDrawableArea(position);
}

// Qt's own entering and leaving are of the whole control, border included;
// the events of the program are of the drawable area, which the moves tell.
void ToolkitCanvas::enterEvent(QEnterEvent*) {}

void ToolkitCanvas::leaveEvent(QEvent*) {
    if (inside_ && !dragging_) {
        // Gone from the area straight out of the control: the leave carries the
        // pointer's position, now outside.
        inside_ = false;
        Post(QPointF(mapFromGlobal(QCursor::pos())));
    }
}

void ToolkitCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF position = event->position();
    const bool inArea = InDrawableArea(position);
    if (dragging_) {
        inside_ = inArea;  // a drag reports every move, and neither entry nor leave
        Post(position);
    } else if (inArea) {
        if (!inside_) {
            inside_ = true;
            Post(position);  // coming in
        }
        Post(position);
    } else if (inside_) {
        inside_ = false;
        Post(position);  // leaving, with the position outside
    }
}

// A press in the area, with no other button held, starts a drag that lasts
// until every button is up.
void ToolkitCanvas::Press(QMouseEvent* event, int count) {
    if (!Reports(event->position())) {
        return;
    }
    if (event->buttons() == event->button()) {
        dragging_ = true;
    }
    Post(event->position(), count);
}

void ToolkitCanvas::mousePressEvent(QMouseEvent* event) {
    Press(event, 1);
}

bool ToolkitCanvas::Clicks(Qt::MouseButton button) {
    return button == Qt::LeftButton || button == Qt::RightButton;
}

// A release of the left or right button is followed by a click.
void ToolkitCanvas::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF position = event->position();
    if (Reports(position)) {
        Post(position, Clicks(event->button()) ? 2 : 1);
    }
    if (event->buttons() == Qt::NoButton) {
        dragging_ = false;
        inside_ = InDrawableArea(position);
    }
}

// Qt delivers the second press of a double click as a double click, with no
// press of its own: it is that press, and for the left and right buttons it
// brings a click too.
void ToolkitCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    Press(event, Clicks(event->button()) ? 2 : 1);
}

void ToolkitCanvas::wheelEvent(QWheelEvent* event) {
    if (Reports(event->position())) {
        Post(event->position());
    }
}

}  // namespace diplexer
