// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window toolkit: one top-level window, its controls addressed
// by number, drawing and events. Implemented once over Qt; nothing outside the
// toolkit's own files sees Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/pixels.h"

namespace diplexer {

// Readies the toolkit; call once before anything else. Reads no command line.
// The window's class (WM_CLASS) is "diplexer", the program's name; on Wayland
// the program's desktop id (its menu entry is desktopId.desktop) does its work.
// Docks and task bars find the entry and its icon by either.
void StartToolkit(std::string_view desktopId);
// Releases the window, its controls, images and the rest of the toolkit.
void StopToolkit();

// The top-level window: fixed client size, title, close box and window menu,
// centred on the screen. A close request only arrives as EventClose.
void OpenMainWindow(int width, int height, std::string_view title);
// Releases the window with its controls and forgets queued events.
void CloseMainWindow();

enum class ControlKind {
    Label,
    SunkenLabel,
    Field,
    ReadOnlyField,
    Button,
    Canvas,
    SunkenCanvas,
};

void CreateControl(int number, ControlKind kind, int x, int y, int width, int height,
                   std::string_view text);

// The width of a sunken edge, on every side of a control that has one.
constexpr int kSunkenEdgeWidth = 2;

enum class PointerShape { Arrow, Crosshair };
void SetPointerShape(int control, PointerShape shape);

// What a screen reader says of a control (UTF-8): its name, and a description.
void SetAccessibleText(int control, std::string_view name, std::string_view description);

// The whole text of a control (UTF-8), and its replacement.
std::string ControlText(int control);
void SetControlText(int control, std::string_view text);

// Drawing. The target is a canvas by number, or kWindowSurface.
constexpr int kWindowSurface = 0;

// Opens the target's image for drawing; EndDrawing shows the result at once.
PixelImage BeginDrawing(int target);
void EndDrawing(int target);

// Events.
enum EventCode : std::int32_t {
    EventOther = 0,
    EventClose = 1,
    EventControl = 2,
};

// Blocks until something happens; there is no time-out.
std::int32_t WaitForEvent();
// Events already queued and not yet taken by WaitForEvent.
std::size_t QueuedEvents();
// About the event WaitForEvent returned last: its control (0 when it is not a
// control event) and, for pointer activity, the pointer in drawable-area
// coordinates at the moment of the activity (0 otherwise).
int EventControlNumber();
std::int32_t EventPointerX();
std::int32_t EventPointerY();

}  // namespace diplexer
