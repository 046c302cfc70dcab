// SPDX-License-Identifier: GPL-3.0-or-later
// The schematic picture as JPEG bytes, embedded when the program is built.
#pragma once

#include <cstddef>

namespace diplexer {

extern const unsigned char kSchematicJpeg[];
extern const std::size_t kSchematicJpegSize;

}  // namespace diplexer
