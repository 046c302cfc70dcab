// SPDX-License-Identifier: GPL-3.0-or-later
// Talks to the real program in an X server, as a user and a window manager do:
//   x11_session ready             waits until the X server takes connections
//   x11_session wait TITLE        waits for the window, prints "x y width height"
//                                 and the screen's width and height
//   x11_session hints TITLE       prints the size limits and Motif functions it asks for
//   x11_session click TITLE X Y   clicks the left button at client position (X, Y)
//   x11_session close TITLE       sends WM_DELETE_WINDOW, what a close box sends
//   x11_session sum TITLE X Y W H prints a checksum of what the window shows there
//   x11_session frame TITLE       prints the outer frame's "x y width height" (the
//                                 window itself when nothing reparents it)
//   x11_session actions TITLE     prints the window manager's _NET_WM_ALLOWED_ACTIONS
//   x11_session motif TITLE       prints the Motif functions and decorations asked for
//   x11_session wmclose TITLE     asks the window manager to close it (_NET_CLOSE_WINDOW)
//   x11_session wmready           waits until a window manager runs
//   x11_session storm TITLE N X Y W H
//                                 N pointer moves over the client region (X, Y, W, H),
//                                 with WM_DELETE_WINDOW sent after the first half;
//                                 prints how long the window took to go away
//   x11_session class TITLE       prints the window's WM_CLASS: instance, then class
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string Title(Display* display, Window window) {
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return title;
}

Window Find(Display* display, Window under, const std::string& title) {
    if (Title(display, under) == title) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, under, &attributes) &&
            attributes.map_state == IsViewable) {
            return under;
        }
    }
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, under, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            found = Find(display, children[i], title);
        }
        if (children != nullptr) {
            XFree(children);
        }
    }
    return found;
}

// The window's ancestor just below the root: the frame a window manager put
// around it, or the window itself.
Window TopLevel(Display* display, Window window) {
    for (;;) {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, window, &root, &parent, &children, &count)) {
            return window;
        }
        if (children != nullptr) {
            XFree(children);
        }
        if (parent == root || parent == 0) {
            return window;
        }
        window = parent;
    }
}

// A property of 32-bit items, as longs.
std::vector<long> Longs(Display* display, Window window, const char* name) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::vector<long> items;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False,
                           AnyPropertyType, &type, &format, &count, &after, &data) == Success &&
        data != nullptr) {
        if (format == 32) {
            items.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
        }
        XFree(data);
    }
    return items;
}

// A checksum of what the window shows in a region, or nothing.
bool Checksum(Display* display, Window window, int x, int y, int width, int height,
              unsigned long& sum) {
    XImage* image =
        XGetImage(display, window, x, y, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    sum = 0;
    for (int row = 0; row < image->height; ++row) {
        for (int column = 0; column < image->width; ++column) {
            sum = sum * 31 + XGetPixel(image, column, row);
        }
    }
    XDestroyImage(image);
    return true;
}

// What a window manager sends when the close box is clicked.
void SendClose(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
}

Window WaitFor(Display* display, const std::string& title) {
    for (int i = 0; i < 300; ++i) {
        if (Window w = Find(display, DefaultRootWindow(display), title)) {
            return w;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return 0;
}

bool Gone(Display* display, Window window) {
    XWindowAttributes attributes;
    XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const bool gone =
        !XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable;
    XSetErrorHandler(previous);
    return gone;
}

// `count` XTest moves over the client region (rx, ry, width, height) of the
// window at (x, y) on the screen, flushed in batches as fast as the server
// takes them; WM_DELETE_WINDOW goes out after the first half. Checks that the
// first half reached the program (the region `watch` changed) and prints how
// long the window took to go away after the close request.
int Storm(Display* display, Window window, int x, int y, int count, int rx, int ry, int width,
          int height) {
    using Clock = std::chrono::steady_clock;
    auto ms = [](Clock::duration d) {
        return static_cast<long long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
    };
    constexpr int kBatch = 100;
    // FiOutput, which every move over the plot rewrites.
    const int watch[4] = {760, 370, 70, 20};
    unsigned long readout_before = 0;
    Checksum(display, window, watch[0], watch[1], watch[2], watch[3], readout_before);
    const Clock::time_point start = Clock::now();
    Clock::time_point closed{};
    Clock::time_point gone{};
    bool readout_changed = false;
    for (int i = 0; i < count; ++i) {
        XTestFakeMotionEvent(display, -1, x + rx + (i * 7) % width, y + ry + (i * 13) % height, 0);
        if (i % kBatch == kBatch - 1) {
            XSync(display, False);
        }
        if (i == count / 2 - 1) {
            XSync(display, False);
            unsigned long readout = 0;
            readout_changed =
                Checksum(display, window, watch[0], watch[1], watch[2], watch[3], readout) &&
                readout != readout_before;
            SendClose(display, window);
            XSync(display, False);
            closed = Clock::now();
        }
        if (closed != Clock::time_point{} && gone == Clock::time_point{} &&
            i % kBatch == kBatch - 1 && Gone(display, window)) {
            gone = Clock::now();
        }
    }
    XSync(display, False);
    const Clock::time_point moved = Clock::now();
    for (int i = 0; i < 200 && gone == Clock::time_point{}; ++i) {
        if (Gone(display, window)) {
            gone = Clock::now();
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    std::printf("%d moves in %lld ms; the readout %s during the first half; ", count,
                ms(moved - start), readout_changed ? "changed" : "did not change");
    if (gone == Clock::time_point{}) {
        std::printf("the window was still there %lld ms after the close request\n",
                    ms(Clock::now() - closed));
        return 1;
    }
    std::printf("the window went away %lld ms after the close request\n", ms(gone - closed));
    return readout_changed ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (argc < (command == "ready" || command == "wmready" ? 2 : 3)) {
        std::fputs("usage: x11_session ready | wmready | COMMAND TITLE [ARGUMENTS]\n", stderr);
        return 2;
    }
    Display* display = nullptr;
    for (int i = 0; i < 200 && display == nullptr; ++i) {  // the server may still be starting
        display = XOpenDisplay(nullptr);
        if (display == nullptr) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    if (display == nullptr) {
        std::fputs("no X display\n", stderr);
        return 1;
    }
    if (command == "ready") {
        XCloseDisplay(display);
        return 0;
    }
    if (command == "wmready") {
        for (int i = 0; i < 200; ++i) {
            if (!Longs(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK").empty()) {
                XCloseDisplay(display);
                return 0;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        std::fputs("no window manager\n", stderr);
        return 1;
    }
    const Window window = WaitFor(display, argv[2]);
    if (window == 0) {
        std::fputs("the window did not appear\n", stderr);
        return 1;
    }
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    if (command == "wait") {
        std::printf("%d %d %d %d %d %d\n", x, y, attributes.width, attributes.height,
                    DisplayWidth(display, DefaultScreen(display)),
                    DisplayHeight(display, DefaultScreen(display)));
    } else if (command == "hints") {
        // What the window asks of a window manager: its size limits, and the
        // Motif functions (resize 2, move 4, minimise 8, maximise 16, close 32).
        XSizeHints size{};
        long supplied = 0;
        XGetWMNormalHints(display, window, &size, &supplied);
        long functions = -1;
        Atom motif = XInternAtom(display, "_MOTIF_WM_HINTS", False);
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, motif, 0, 5, False, AnyPropertyType, &type, &format,
                               &count, &after, &data) == Success &&
            data != nullptr) {
            const long* hints = reinterpret_cast<const long*>(data);
            if (count >= 2 && (hints[0] & 1)) {
                functions = hints[1];
            }
            XFree(data);
        }
        std::printf("min %dx%d max %dx%d functions %ld\n", size.min_width, size.min_height,
                    size.max_width, size.max_height, functions);
    } else if (command == "click" && argc == 5) {
        XTestFakeMotionEvent(display, -1, x + std::atoi(argv[3]), y + std::atoi(argv[4]), 0);
        XSync(display, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        XTestFakeButtonEvent(display, 1, True, 0);
        XTestFakeButtonEvent(display, 1, False, 0);
    } else if (command == "move" && argc == 5) {
        XTestFakeMotionEvent(display, -1, x + std::atoi(argv[3]), y + std::atoi(argv[4]), 0);
        XSync(display, False);
    } else if (command == "sum" && argc == 7) {
        unsigned long sum = 0;
        if (!Checksum(display, window, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                      std::atoi(argv[6]), sum)) {
            std::fputs("could not read the window\n", stderr);
            return 1;
        }
        std::printf("%lu\n", sum);
    } else if (command == "frame") {
        const Window frame = TopLevel(display, window);
        XWindowAttributes outer;
        XGetWindowAttributes(display, frame, &outer);
        int fx = 0, fy = 0;
        Window child;
        XTranslateCoordinates(display, frame, DefaultRootWindow(display), 0, 0, &fx, &fy, &child);
        std::printf("%d %d %d %d\n", fx - outer.border_width, fy - outer.border_width,
                    outer.width + 2 * outer.border_width, outer.height + 2 * outer.border_width);
    } else if (command == "actions") {
        std::string names;
        for (long atom : Longs(display, window, "_NET_WM_ALLOWED_ACTIONS")) {
            char* name = XGetAtomName(display, Atom(atom));
            names += std::string(names.empty() ? "" : " ") + (name != nullptr ? name : "?");
            XFree(name);
        }
        std::printf("%s\n", names.c_str());
    } else if (command == "motif") {
        const std::vector<long> hints = Longs(display, window, "_MOTIF_WM_HINTS");
        if (hints.size() < 3) {
            std::fputs("no Motif hints\n", stderr);
            return 1;
        }
        std::printf("flags %ld functions %ld decorations %ld\n", hints[0], hints[1], hints[2]);
    } else if (command == "wmclose") {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "_NET_CLOSE_WINDOW", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = CurrentTime;
        event.xclient.data.l[1] = 2;  // from a pager or taskbar: the user's own request
        XSendEvent(display, DefaultRootWindow(display), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
    } else if (command == "class") {
        // Docks and task bars match a window to its menu entry by this class.
        XClassHint hint{};
        if (!XGetClassHint(display, window, &hint)) {
            std::fputs("the window has no WM_CLASS\n", stderr);
            return 1;
        }
        std::printf("%s %s\n", hint.res_name, hint.res_class);
        XFree(hint.res_name);
        XFree(hint.res_class);
    } else if (command == "close") {
        SendClose(display, window);
    } else if (command == "storm" && argc == 8) {
        return Storm(display, window, x, y, std::atoi(argv[3]), std::atoi(argv[4]),
                     std::atoi(argv[5]), std::atoi(argv[6]), std::atoi(argv[7]));
    } else {
        std::fputs("unknown command\n", stderr);
        return 2;
    }
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
