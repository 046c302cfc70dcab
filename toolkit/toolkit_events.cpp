// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QEventLoop>

#include <deque>

#include "toolkit/toolkit_qt.h"

namespace diplexer {

namespace {

struct Event {
    std::int32_t code;
    int control;
    std::int32_t x;
    std::int32_t y;
};

std::deque<Event> queue;
Event current{EventOther, 0, 0, 0};

}  // namespace

void PostEvent(std::int32_t code, int control, std::int32_t x, std::int32_t y) {
    queue.push_back(Event{code, control, x, y});
}

std::int32_t WaitForEvent() {
    FlushControlTexts();  // before anything typed can reach a field
    ReleaseHeldInput();   // what was held while the last event was handled
    if (queue.empty()) {
        // Let Qt handle whatever the window system has sent; that may queue
        // events of ours. Anything else that happened is an 'other' event.
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (queue.empty()) {
        current = Event{EventOther, 0, 0, 0};
    } else {
        current = queue.front();
        queue.pop_front();
    }
    return current.code;
}

void ForgetEvents() {
    queue.clear();
    ForgetHeldInput();
    current = Event{EventOther, 0, 0, 0};
}

std::size_t QueuedEvents() {
    return queue.size();
}

int EventControlNumber() {
    return current.code == EventControl ? current.control : 0;
}

std::int32_t EventPointerX() {
    return current.x;
}

std::int32_t EventPointerY() {
    return current.y;
}

}  // namespace diplexer
