// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/fields.h"

#include <array>

namespace diplexer {

namespace {

std::array<std::string, kControlCount + 1> plainTexts;

std::string ReadPlain(int control) {
    if (control < 1 || control > kControlCount) {
        return {};
    }
    return plainTexts[size_t(control)];
}

void WritePlain(int control, std::string_view text) {
    if (control >= 1 && control <= kControlCount) {
        plainTexts[size_t(control)] = text;
    }
}

FieldAccess access{&ReadPlain, &WritePlain};

}  // namespace

void UseFieldAccess(FieldAccess newAccess) {
    if (newAccess.read == nullptr || newAccess.write == nullptr) {
        newAccess = FieldAccess{&ReadPlain, &WritePlain};
    }
    access = newAccess;
}

std::string FieldText(int control) {
    return access.read(control);
}

void SetFieldText(int control, std::string_view text) {
    access.write(control, text);
}

}  // namespace diplexer
