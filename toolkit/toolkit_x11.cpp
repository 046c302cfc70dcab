// SPDX-License-Identifier: GPL-3.0-or-later
// What the window asks of an X11 window manager, beyond what Qt's window flags
// can say: exactly the Motif functions and decorations of a fixed window, and
// the size of the frame before the window is shown, so that the frame itself
// can be centred.
#include <QGuiApplication>
#include <QWidget>

#include <chrono>
#include <thread>
#include <vector>

#include "toolkit/toolkit_qt.h"

// Xlib last: its macros (None, Bool, Status...) would clash with Qt's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace diplexer {

namespace {

Display* X11Display() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->display() : nullptr;
}

// The 32-bit items of a window property, or nothing.
std::vector<long> Property(Display* display, Window window, const char* name, Atom type) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<long> items;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False, type,
                           &actualType, &format, &count, &after, &data) == Success &&
        data != nullptr) {
        if (format == 32) {
            const long* values = reinterpret_cast<const long*>(data);
            items.assign(values, values + count);
        }
        XFree(data);
    }
    return items;
}

// Whether a window manager runs: it names its check window on the root.
bool ManagerRuns(Display* display) {
    return !Property(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW)
                .empty();
}

// Whether the running window manager offers `feature` in _NET_SUPPORTED.
bool ManagerSupports(Display* display, const char* feature) {
    const long wanted = long(XInternAtom(display, feature, False));
    for (long atom : Property(display, DefaultRootWindow(display), "_NET_SUPPORTED", XA_ATOM)) {
        if (atom == wanted) {
            return true;
        }
    }
    return false;
}

}  // namespace

void AskForMoveAndCloseOnly(QWidget* window) {
    Display* display = X11Display();
    if (display == nullptr) {
        return;
    }
    // Motif hints: flags (functions 1, decorations 2), functions (move 4,
    // close 32), decorations (border 2, title 8, window menu 16). No resize,
    // minimise or maximise, and no resize handle.
    long hints[5] = {1 | 2, 4 | 32, 2 | 8 | 16, 0, 0};
    const Atom motif = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(display, Window(window->winId()), motif, motif, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(hints), 5);
    XFlush(display);
}

std::optional<QMargins> AskFrameExtents(QWidget* window) {
    Display* display = X11Display();
    if (display == nullptr) {
        return std::nullopt;
    }
    if (!ManagerRuns(display)) {
        return QMargins();  // no window manager: no frame to count
    }
    if (!ManagerSupports(display, "_NET_REQUEST_FRAME_EXTENTS")) {
        return std::nullopt;  // one that cannot tell before the window is shown
    }
    const Window client = Window(window->winId());
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = client;
    request.xclient.message_type = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
    request.xclient.format = 32;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &request);
    XFlush(display);
    // The manager answers by setting _NET_FRAME_EXTENTS (left, right, top,
    // bottom) on the window; give it a moment, at start-up only.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (std::chrono::steady_clock::now() < deadline) {
        const std::vector<long> extents =
            Property(display, client, "_NET_FRAME_EXTENTS", XA_CARDINAL);
        if (extents.size() == 4) {
            return QMargins(int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3]));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return std::nullopt;
}

}  // namespace diplexer
