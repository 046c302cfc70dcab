// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/control_numbers.h"
#include "app/control_table.h"
#include "app/jpeg_decoder.h"
#include "app/schematic_data.h"
#include "display/plot_colours.h"
#include "toolkit/toolkit.h"

namespace diplexer {

namespace {

constexpr int kClientWidth = 850;
constexpr int kClientHeight = 630;

// The legend of the plot: under SwrOutput a brighter red than the SWR curve's,
// under KOutput the green of the K curve.
constexpr Rgb kSwrLegend{255, 0, 0};

}  // namespace

bool ShowSchematic(const unsigned char* jpeg, std::size_t size) {
    RgbPicture picture;
    if (!DecodeJpeg(jpeg, size, picture)) {
        return false;
    }
    const PixelImage view = BeginDrawing(SchematicView);
    DrawPicture(view, picture, 0, 0);
    EndDrawing(SchematicView);
    return true;
}

void BuildMainWindow() {
    OpenMainWindow(kClientWidth, kClientHeight, "Диплексер (Зорвин2)");
    // In number order: the fields over the picture, created after it, lie above it.
    for (const ControlSpec& c : kControls) {
        CreateControl(c.number, c.kind, c.x, c.y, c.width, c.height, c.text);
        if (c.pointer != PointerShape::Arrow) {
            SetPointerShape(c.number, c.pointer);
        }
        if (c.accessibleName != nullptr) {
            SetAccessibleText(c.number, c.accessibleName,
                              c.description != nullptr ? c.description : "");
        }
    }
    ShowSchematic(kSchematicJpeg, kSchematicJpegSize);

    const PixelImage surface = BeginDrawing(kWindowSurface);
    DrawLine(surface, 680, 354, 800, 354, kSwrLegend);
    DrawLine(surface, 680, 324, 800, 324, kTransferColour);
    EndDrawing(kWindowSurface);
}

}  // namespace diplexer
