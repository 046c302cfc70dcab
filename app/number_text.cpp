// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace diplexer {

namespace {

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(word[i])) {
            return false;
        }
    }
    return true;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Significant digits kept. A double's halfway points have at most 768
// significant digits, so past 800 only whether some dropped digit is nonzero
// can matter, and a single 1 after the kept digits stands for it.
constexpr std::size_t kKeptDigits = 800;
// Beyond this decimal exponent every value is an infinity or a zero.
constexpr std::int64_t kExponentLimit = 400;
// A written exponent is read up to this size; it is far beyond the length of
// any text, so that no run of digits before it can bring it back into range.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

}  // namespace

std::string FormatFixed(double value, int decimals) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "+Infinity" : "-Infinity";
    }
    if (value == 0) {
        value = 0.0;  // negative zero shows as zero
    }
    if (decimals < 0) {
        decimals = 0;
    }
    // The largest double has 309 integer digits.
    std::string text(size_t(decimals) + 330, '\0');
    auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed, decimals);
    if (error != std::errc()) {
        return "NaN";  // cannot happen: the buffer holds every double
    }
    text.resize(size_t(end - text.data()));
    return text;
}

double ParseNumber(std::string_view text) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    if (EqualsIgnoringCase(text, "+Infinity")) {
        return kInfinity;
    }
    if (EqualsIgnoringCase(text, "-Infinity")) {
        return -kInfinity;
    }
    if (EqualsIgnoringCase(text, "NaN")) {
        return std::numeric_limits<double>::quiet_NaN();
    }

    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Mantissa: significant digits without leading zeros, and the decimal
    // exponent of the digit after the last one kept.
    std::string digits;
    std::int64_t exponent = 0;
    bool droppedNonzero = false;
    bool anyDigit = false;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!IsDigit(c)) {
            break;
        }
        anyDigit = true;
        if (digits.empty() && c == '0') {
            if (seenPoint) {
                --exponent;
            }
            continue;
        }
        if (digits.size() < kKeptDigits) {
            digits.push_back(c);
            if (seenPoint) {
                --exponent;
            }
        } else {
            droppedNonzero = droppedNonzero || c != '0';
            if (!seenPoint) {
                ++exponent;
            }
        }
    }
    if (!anyDigit) {
        return 0.0;
    }

    // Exponent part, only when it has at least one digit.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            std::int64_t written = 0;
            for (; j < text.size() && IsDigit(text[j]); ++j) {
                if (written < kExponentCap) {
                    written = written * 10 + (text[j] - '0');
                }
            }
            exponent += negativeExponent ? -written : written;
        }
    }

    double zero = negative ? -0.0 : 0.0;
    if (digits.empty()) {
        return zero;
    }
    // Decimal exponent of the leading digit decides overflow and underflow.
    std::int64_t leading = exponent + std::int64_t(digits.size()) - 1;
    if (leading > kExponentLimit) {
        return negative ? -kInfinity : kInfinity;
    }
    if (leading < -kExponentLimit) {
        return zero;
    }
    if (droppedNonzero) {
        digits.push_back('1');  // above the kept digits, below the next digit of theirs
        --exponent;
    }
    std::string canonical = digits + "e" + std::to_string(exponent);
    double magnitude = 0;
    auto [end, error] =
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), magnitude);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        magnitude = leading > 0 ? kInfinity : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace diplexer
