// The schematic picture as JPEG bytes, embedded when the program is built.
#pragma once

#include <cstddef>

extern const unsigned char kSchematicJpeg[];
extern const std::size_t kSchematicJpegSize;
