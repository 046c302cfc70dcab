// SPDX-License-Identifier: GPL-3.0-or-later
// ParseNumber over arbitrary bytes, checked against a second reading of the
// number-text rules: the whole special texts, or the longest leading number
// of the form [blanks][sign]digits[.digits][e[sign]digits], handed without its
// blanks to the C library's strtod in the "C" locale, which rounds correctly
// at any length. Each result is also written with FormatFixed, exactly and
// with the decimals the program uses, and read back or compared with printf.
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/number_text.h"
#include "fuzz/fuzz_check.h"

using namespace diplexer;

namespace {

bool SameLetters(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const unsigned char w = static_cast<unsigned char>(word[i]);
        if (c != w && !(c >= 'A' && c <= 'Z' && c + 32 == w)) {  // `word` is lower case
            return false;
        }
    }
    return true;
}

std::size_t Digits(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
        ++end;
    }
    return end - at;
}

// The number the rules read at the start of `text`, without the blanks before
// it, or "" when there is none.
std::string LeadingNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string_view::npos) {
        return {};
    }
    const std::size_t start = i;
    if (text[i] == '+' || text[i] == '-') {
        ++i;
    }
    const std::size_t whole = Digits(text, i);
    i += whole;
    std::size_t fraction = 0;
    if (i < text.size() && text[i] == '.') {
        fraction = Digits(text, i + 1);
        i += 1 + fraction;
    }
    if (whole + fraction == 0) {
        return {};
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (const std::size_t exponent = Digits(text, j); exponent > 0) {
            i = j + exponent;
        }
    }
    return std::string(text.substr(start, i - start));
}

double Expected(std::string_view text) {
    if (SameLetters(text, "+infinity")) {
        return HUGE_VAL;
    }
    if (SameLetters(text, "-infinity")) {
        return -HUGE_VAL;
    }
    if (SameLetters(text, "nan")) {
        return std::nan("");
    }
    const std::string number = LeadingNumber(text);
    return number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
}

bool Same(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = ParseNumber(text);
    FUZZ_REQUIRE(Same(value, Expected(text)));

    if (std::isfinite(value)) {
        // 1074 decimals hold every double exactly: the text reads back as the
        // same value (an exact zero is written without its sign).
        const double back = ParseNumber(FormatFixed(value, 1080));
        FUZZ_REQUIRE(back == value && (value == 0 || std::signbit(back) == std::signbit(value)));
    }
    for (int decimals : {2, 3, 4, 5}) {
        const std::string ours = FormatFixed(value, decimals);
        if (std::isnan(value)) {
            FUZZ_REQUIRE(ours == "NaN");
        } else if (std::isinf(value)) {
            FUZZ_REQUIRE(ours == (value > 0 ? "+Infinity" : "-Infinity"));
        } else {
            char printed[400];
            std::snprintf(printed, sizeof printed, "%.*f", decimals, value == 0 ? 0.0 : value);
            FUZZ_REQUIRE(ours == printed);
        }
    }
    return 0;
}
