// SPDX-License-Identifier: GPL-3.0-or-later
#include <qdrawutil.h>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

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

void ToolkitCanvas::Post(QPointF position, int count) {
    const std::int32_t x = Pixel(position.x()) - border_;
    const std::int32_t y = Pixel(position.y()) - border_;
    for (int i = 0; i < count; ++i) {
        PostEvent(EventControl, number_, x, y);
    }
}

void ToolkitCanvas::enterEvent(QEnterEvent* event) {
    Post(event->position());
}

void ToolkitCanvas::leaveEvent(QEvent*) {
    // A leave carries no position: take the pointer's, now outside the canvas.
    Post(QPointF(mapFromGlobal(QCursor::pos())));
}

void ToolkitCanvas::mouseMoveEvent(QMouseEvent* event) {
    Post(event->position());
}

void ToolkitCanvas::mousePressEvent(QMouseEvent* event) {
    Post(event->position());
}

// A release of the left or right button is followed by a click.
void ToolkitCanvas::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicks = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    Post(event->position(), clicks ? 2 : 1);
}

// Qt reports the second press of a double click as a press and then a double
// click; the press has been posted already, and for the left and right buttons
// the double click adds its click.
void ToolkitCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        Post(event->position());
    }
}

void ToolkitCanvas::wheelEvent(QWheelEvent* event) {
    Post(event->position());
}

}  // namespace diplexer
