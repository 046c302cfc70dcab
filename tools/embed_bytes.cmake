# SPDX-License-Identifier: GPL-3.0-or-later
# Writes OUTPUT, a C++ file holding the bytes of INPUT as kSchematicJpeg.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}"
"// Generated from ${INPUT}; do not edit.
#include \"app/schematic_data.h\"

namespace diplexer {

const unsigned char kSchematicJpeg[] = {
    ${bytes}
};
const std::size_t kSchematicJpegSize = ${size};

}  // namespace diplexer
")
