// SPDX-License-Identifier: GPL-3.0-or-later
// The control table: every control of the main window, in creation order, with
// its kind, place, size, initial text, pointer shape and what a screen reader
// says of it. BuildMainWindow
// creates the controls from it and from nothing else.
#pragma once

#include <array>

#include "app/control_numbers.h"
#include "toolkit/toolkit.h"

namespace diplexer {

struct ControlSpec {
    int number;
    const char* name;
    ControlKind kind;
    int x, y, width, height;
    const char* text;  // UTF-8
    // Arrow: the window's own pointer, nothing set. Otherwise the shape is set
    // right after the control has been created.
    PointerShape pointer;
    // For screen readers: what the control holds (nullptr: its own text
    // says it), and a longer description of a picture.
    const char* accessibleName;
    const char* description;
};

extern const std::array<ControlSpec, kControlCount> kControls;

}  // namespace diplexer
