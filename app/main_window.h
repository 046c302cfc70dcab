// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its controls, the schematic picture and the plot legend.
#pragma once

#include <cstddef>

namespace diplexer {

// Opens the window, creates its controls, shows the picture and draws the legend.
void BuildMainWindow();

// Decodes `jpeg` and draws it at (0, 0) of SchematicView; damaged data leaves
// the view white. Returns whether the picture was drawn.
bool ShowSchematic(const unsigned char* jpeg, std::size_t size);

}  // namespace diplexer
