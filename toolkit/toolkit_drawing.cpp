// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/toolkit_qt.h"

namespace diplexer {

namespace {

QImage* TargetImage(int target) {
    if (target == kWindowSurface) {
        return MainWindowWidget() != nullptr ? &MainWindowWidget()->Surface() : nullptr;
    }
    auto* canvas = dynamic_cast<ToolkitCanvas*>(ControlWidget(target));
    return canvas != nullptr ? &canvas->Image() : nullptr;
}

}  // namespace

PixelImage BeginDrawing(int target) {
    QImage* image = TargetImage(target);
    if (image == nullptr || image->isNull()) {
        return PixelImage{nullptr, 0, 0, 0};
    }
    // RGB32 rows are whole 32-bit words: 0xffRRGGBB each.
    return PixelImage{reinterpret_cast<std::uint32_t*>(image->bits()), image->width(),
                      image->height(), image->bytesPerLine() / 4};
}

void EndDrawing(int target) {
    QWidget* widget = target == kWindowSurface ? static_cast<QWidget*>(MainWindowWidget())
                                               : ControlWidget(target);
    if (widget != nullptr && widget->isVisible()) {
        widget->repaint();
    }
}

}  // namespace diplexer
