// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace diplexer {

namespace {

// The error manager: errors jump back into DecodeJpeg instead of ending the
// process, and nothing is printed. Warnings are counted.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf resume;
    int warnings;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(manager->resume, 1);
}

void EmitMessage(j_common_ptr info, int level) {
    if (level < 0) {
        ++reinterpret_cast<ErrorManager*>(info->err)->warnings;
    }
}

void OutputMessage(j_common_ptr) {}

// The largest picture taken: far more than the schematic's 560 x 270, and
// few enough that damaged or hostile data cannot make the decoder ask for
// gigabytes (a header alone can claim 65500 x 65500 pixels).
constexpr unsigned long long kMaxPixels = 4096ull * 4096ull;
// What the decoder may hold besides the picture, such as the coefficients of
// a progressive picture.
constexpr long kMaxDecoderMemory = 256L << 20;

}  // namespace

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, RgbPicture& picture) {
    picture = RgbPicture{};
    if (data == nullptr || size == 0) {
        return false;
    }
    jpeg_decompress_struct decoder{};
    ErrorManager errors{};
    decoder.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = &ErrorExit;
    errors.base.emit_message = &EmitMessage;
    errors.base.output_message = &OutputMessage;

    // Nothing below may own a destructor-bearing object across the jump.
    if (setjmp(errors.resume) != 0) {
        jpeg_destroy_decompress(&decoder);
        picture = RgbPicture{};
        return false;
    }
    jpeg_create_decompress(&decoder);
    decoder.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_mem_src(&decoder, data, static_cast<unsigned long>(size));
    jpeg_read_header(&decoder, TRUE);
    if ((unsigned long long)decoder.image_width * decoder.image_height > kMaxPixels) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    decoder.dct_method = JDCT_ISLOW;
    decoder.out_color_space = JCS_RGB;
    decoder.scale_num = 1;
    decoder.scale_denom = 1;
    decoder.quantize_colors = FALSE;
    jpeg_start_decompress(&decoder);
    if (decoder.output_components != 3 || decoder.num_components != 3) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    picture.width = int(decoder.output_width);
    picture.height = int(decoder.output_height);
    picture.pixels.resize(std::size_t(decoder.output_width) * decoder.output_height * 3);
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW row =
            picture.pixels.data() + std::size_t(decoder.output_scanline) * decoder.output_width * 3;
        jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    const bool clean = errors.warnings == 0;
    jpeg_destroy_decompress(&decoder);
    if (!clean) {
        picture = RgbPicture{};
    }
    return clean;
}

}  // namespace diplexer
