// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding of the embedded JPEG picture.
#pragma once

#include <cstddef>
#include <cstdint>

#include "toolkit/pixels.h"

namespace diplexer {

// Decodes a colour JPEG held in memory into 24-bit RGB. Returns false, and
// leaves `picture` empty, for data that is damaged in any way, including data
// that the decoder could only read with warnings (a truncated file, say).
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, RgbPicture& picture);

}  // namespace diplexer
