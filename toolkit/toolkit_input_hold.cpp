// SPDX-License-Identifier: GPL-3.0-or-later
// One event of the program at a time: while an event of ours waits in the
// queue, input that could change a field (keys, input methods, and the mouse
// or a drop on a text field: a paste) is held back, and handed on, in its
// order, only once the queue is empty again. So a press reads the fields as
// they stood when it was pressed, whatever Qt delivered in the same batch.
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>

#include <deque>
#include <memory>

#include "toolkit/toolkit_qt.h"

namespace diplexer {

namespace {

struct HeldInput {
    QPointer<QObject> receiver;
    std::unique_ptr<QEvent> event;
};

std::deque<HeldInput> held;

bool ChangesAField(QObject* receiver, QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::InputMethod:
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return qobject_cast<QLineEdit*>(receiver) != nullptr;
        default:
            return false;
    }
}

class InputHold final : public QObject {
  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        // Widgets only: a window passes its input on to them.
        if (QueuedEvents() == 0 || !receiver->isWidgetType() ||
            !ChangesAField(receiver, event->type())) {
            return false;
        }
        held.push_back(HeldInput{receiver, std::unique_ptr<QEvent>(event->clone())});
        return true;
    }
};

InputHold* hold = nullptr;

}  // namespace

void StartHoldingInput() {
    if (hold == nullptr) {
        hold = new InputHold;
        QApplication::instance()->installEventFilter(hold);
    }
}

void StopHoldingInput() {
    held.clear();
    delete hold;
    hold = nullptr;
}

void ReleaseHeldInput() {
    while (!held.empty() && QueuedEvents() == 0) {
        HeldInput input = std::move(held.front());
        held.pop_front();
        if (input.receiver != nullptr) {
            QApplication::sendEvent(input.receiver, input.event.get());
        }
    }
}

std::size_t HeldInputEvents() {
    return held.size();
}

void ForgetHeldInput() {
    held.clear();
}

}  // namespace diplexer
