// SPDX-License-Identifier: GPL-3.0-or-later
// Talks to the real program in an X server, as a user and a window manager do:
//   x11_session ready             waits until the X server takes connections
//   x11_session wait TITLE        waits for the window, prints "x y width height"
//                                 and the screen's width and height
//   x11_session hints TITLE       prints the size limits and Motif functions it asks for
//   x11_session click TITLE X Y   clicks the left button at client position (X, Y)
//   x11_session close TITLE       sends WM_DELETE_WINDOW, what a close box sends
//   x11_session sum TITLE X Y W H prints a checksum of what the window shows there
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

Window WaitFor(Display* display, const std::string& title) {
    for (int i = 0; i < 300; ++i) {
        if (Window w = Find(display, DefaultRootWindow(display), title)) {
            return w;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (argc < (command == "ready" ? 2 : 3)) {
        std::fputs("usage: x11_session ready | wait|hints|click|close TITLE [X Y]\n", stderr);
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
        XImage* image = XGetImage(display, window, std::atoi(argv[3]), std::atoi(argv[4]),
                                  unsigned(std::atoi(argv[5])), unsigned(std::atoi(argv[6])),
                                  AllPlanes, ZPixmap);
        if (image == nullptr) {
            std::fputs("could not read the window\n", stderr);
            return 1;
        }
        unsigned long sum = 0;
        for (int y = 0; y < image->height; ++y) {
            for (int x = 0; x < image->width; ++x) {
                sum = sum * 31 + XGetPixel(image, x, y);
            }
        }
        XDestroyImage(image);
        std::printf("%lu\n", sum);
    } else if (command == "close") {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
    } else {
        std::fputs("unknown command\n", stderr);
        return 2;
    }
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
