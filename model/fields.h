// SPDX-License-Identifier: GPL-3.0-or-later
// The model's access to the window's text fields, by control number. The
// program hands it the window's own read and write procedures; until then
// (and in headless use) the texts live in a plain table here.
#pragma once

#include <string>
#include <string_view>

#include "app/control_numbers.h"

namespace diplexer {

struct FieldAccess {
    std::string (*read)(int control);
    void (*write)(int control, std::string_view text);
};

// Routes every field read and write through `access`; {nullptr, nullptr}
// goes back to the plain table.
void UseFieldAccess(FieldAccess access);

std::string FieldText(int control);
void SetFieldText(int control, std::string_view text);

}  // namespace diplexer
