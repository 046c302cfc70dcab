// The main window: its controls, the schematic picture and the plot legend.
#pragma once

#include <cstddef>

#include "app/toolkit.h"

struct ControlSpec {
    int number;
    const char* name;
    ControlKind kind;
    int x, y, width, height;
    const char* text;  // UTF-8
};

// Every control of the window, in creation order.
extern const ControlSpec kControls[27];

// Opens the window, creates its controls, shows the picture and draws the legend.
void BuildMainWindow();

// Decodes `jpeg` and draws it at (0, 0) of SchematicView; damaged data leaves
// the view white. Returns whether the picture was drawn.
bool ShowSchematic(const unsigned char* jpeg, std::size_t size);
