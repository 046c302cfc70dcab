// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <system_error>
#include <vector>

using namespace diplexer;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
    double value;
    int decimals;
    const char* text;
};

const FormatCase kFormatCases[] = {
    {50, 2, "50.00"},
    {0, 3, "0.000"},
    {-0.0, 4, "0.0000"},
    {double(-0.0f), 2, "0.00"},
    {-0.001, 2, "-0.00"},
    {kInf, 0, "+Infinity"},
    {kInf, 5, "+Infinity"},
    {-kInf, 3, "-Infinity"},
    {kNaN, 4, "NaN"},
    {-kNaN, 2, "NaN"},
    {double(1234567890.0f), 3, "1234567936.000"},
    {double(2.0005f), 3, "2.000"},
    {2.0005, 3, "2.001"},
    {1e20, 4, "100000000000000000000.0000"},
    {0.93749320507049560546875, 5, "0.93749"},
    {-12.5, 0, "-12"},
    {0.05, 2, "0.05"},
    {32.75, 2, "32.75"},
    // The largest double: every one of its 309 integer digits.
    {std::numeric_limits<double>::max(), 1,
     "17976931348623157081452742373170435679807056752584499659891747680315726078002853876058955"
     "86327668781715404589535143824642343213268894641827684675467035375169860499105765512820762"
     "45490090389328944075868508455133942304583236903222948165808559332123348274797826204144723"
     "168738177180919299881250404026184124858368.0"},
    {5e-324, 3, "0.000"},
};

TEST(FormatFixed, WritesFixedPointAndSpecialTexts) {
    for (const FormatCase& c : kFormatCases) {
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << c.value << " / " << c.decimals;
    }
}

struct ParseCase {
    const char* text;
    double value;
};

const ParseCase kParseCases[] = {
    {"10", 10},
    {"  10", 10},
    {"10  ", 10},
    {"+10", 10},
    {"1e1", 10},
    {"1E+1", 10},
    {"10abc", 10},
    {"10,7", 10},
    {".5", 0.5},
    {"5.", 5},
    {"", 0},
    {"   ", 0},
    {"abc", 0},
    {"-", 0},
    {".", 0},
    {"e5", 0},
    {"0x1A", 0},
    {"inf", 0},
    {"Infinity", 0},
    {" NaN", 0},
    {"NaN ", 0},
    {" +Infinity", 0},
    {"1e", 1},
    {"1e+", 1},
    {"1e-", 1},
    {"3,5", 3},
    {"1 000", 1},
    {"\t\n\v\f\r7", 7},
    {"1e400", kInf},
    {"-1e400", -kInf},
    {"+infinity", kInf},
    {"+INFINITY", kInf},
    {"-Infinity", -kInf},
    {"-infinity", -kInf},
    {"1.5e-3", 0.0015},
    {"-2.5", -2.5},
    {"0.1", 0.1},
    {"12.35", 12.35},
    {"1e99999999999", kInf},
    {"1e-99999999999", 0},
    {"000000000000000000000000000001.5", 1.5},
    {"0.000000000000000000000000000000123e33", 123},
    {"1.7976931348623157e308", std::numeric_limits<double>::max()},
    {"1.8e308", kInf},
    {"4.9e-324", 5e-324},
    {"1..2", 1},
    {"--1", 0},
    {"+-1", 0},
};

TEST(ParseNumber, ReadsTheLeadingNumber) {
    for (const ParseCase& c : kParseCases) {
        EXPECT_EQ(ParseNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ParseNumber, KeepsTheSignOfZeroAndReadsNaN) {
    EXPECT_TRUE(std::signbit(ParseNumber("-0")));
    EXPECT_TRUE(std::signbit(ParseNumber("-0.000e5")));
    EXPECT_FALSE(std::signbit(ParseNumber("0")));
    for (const char* text : {"nan", "NAN", "NaN", "nAn"}) {
        EXPECT_TRUE(std::isnan(ParseNumber(text))) << text;
    }
}

TEST(ParseNumber, HostileTextsStayBoundedAndExact) {
    const std::string megabyte(1 << 20, '7');
    EXPECT_EQ(ParseNumber(megabyte), kInf);
    const std::string smallMegabyte = "0." + std::string(1 << 20, '0') + "1";
    EXPECT_EQ(ParseNumber(smallMegabyte), 0.0);
    // Many digits with a balancing exponent: still the nearest double.
    const std::string balanced = "1" + std::string(100000, '0') + "e-100000";
    EXPECT_EQ(ParseNumber(balanced), 1.0);
    const std::string fraction = "0." + std::string(100000, '0') + "25e100001";
    EXPECT_EQ(ParseNumber(fraction), 2.5);
    const std::string longFraction = "-0." + std::string(1 << 20, '0') + "5e1048577";
    EXPECT_EQ(ParseNumber(longFraction), -5.0);
    const std::string longWhole = std::string(1 << 20, '3') + "e-1048574";
    EXPECT_EQ(ParseNumber(longWhole), 33.333333333333336);
    EXPECT_EQ(ParseNumber("1e" + std::string(100000, '9')), kInf);
    EXPECT_EQ(ParseNumber("\xd0\xa7\xd0\xb8\xd1\x81\xd0\xbb\xd0\xbe 5"), 0.0);
    EXPECT_EQ(ParseNumber(std::string("12\0"
                                      "34",
                                      5)),
              12.0);
    EXPECT_EQ(ParseNumber("\x01\x7f"
                          "5"),
              0.0);
}

struct LongCase {
    const char* name;
    std::string text;
    double value;
};

// Exact decimal text of `value` with `decimals` digits after the point.
std::string ExactText(long double value, int decimals) {
    std::string text(size_t(decimals) + 5000, '\0');
    auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed, decimals);
    text.resize(error == std::errc() ? size_t(end - text.data()) : 0);
    return text;
}

// Texts whose digits past the 800th decide the result: a halfway point
// between two doubles goes to the even one, anything above it to the upper.
std::vector<LongCase> LongCases() {
    // 1 + 2^-53, halfway between 1 and 1 + 2^-52.
    const std::string half = "1.00000000000000011102230246251565404236316680908203125";
    const std::string zeros(800, '0');
    const double above = 1 + 0x1p-52;
    // 2^53 + 1, halfway between 2^53 and 2^53 + 2.
    const std::string whole = "9007199254740993";
    // 2^-1075, halfway between zero and the smallest subnormal.
    const std::string tiny = ExactText(std::ldexp(1.0L, -1075), 1080);
    return {
        {"halfway above 1, a 1 after 800 zeros", half + zeros + "1", above},
        {"halfway above 1, then 800 zeros", half + zeros, 1.0},
        {"halfway above 1, a 1 after 100000 zeros", half + std::string(100000, '0') + "1e0", above},
        {"just below halfway above 1",
         half.substr(0, half.size() - 1) + "4" + std::string(1000, '9'), 1.0},
        {"negative, halfway above 1, a 1 after 800 zeros", "-" + half + zeros + "1", -above},
        {"2^53 + 1 and a 1 after 800 zeros", whole + "." + zeros + "1", 0x1p53 + 2},
        {"2^53 + 1, dropped digits before the point", whole + zeros + "1e-801", 0x1p53 + 2},
        {"2^53 + 1, then 800 zeros", whole + "." + zeros, 0x1p53},
        {"2^-1075 and a 1 after it", tiny + "1", 0x1p-1074},
        {"2^-1075 exactly", tiny, 0.0},
    };
}

TEST(ParseNumber, RoundsTextsOfAnyLengthCorrectly) {
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    for (const LongCase& c : LongCases()) {
        SCOPED_TRACE(c.name);
        ASSERT_GT(c.text.size(), 800u);
        EXPECT_EQ(ParseNumber(c.text), c.value);
        EXPECT_EQ(ParseNumber(c.text), std::strtod(c.text.c_str(), nullptr));
    }
}

// Halfway points between neighbouring doubles of every magnitude, exactly, and
// with a nonzero digit far past them: the C library in the "C" locale rounds
// them correctly, and so must the program.
TEST(ParseNumber, RoundsHalfwayPointsLikeTheCLibrary) {
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    std::mt19937_64 random(20261212);
    for (int i = 0; i < 300; ++i) {
        const double low = std::ldexp(double(random() >> 11), int(random() % 2150) - 1126);
        const double high = std::nextafter(low, kInf);
        if (std::isinf(high)) {
            continue;
        }
        const long double halfway = (static_cast<long double>(low) + high) / 2;
        const std::string exact = ExactText(halfway, 1100);
        const std::string sticky = exact + std::string(size_t(random() % 2000), '0') + "1";
        for (const std::string& text : {exact, sticky}) {
            SCOPED_TRACE(text.substr(0, 40) + "... (" + std::to_string(text.size()) + " chars)");
            EXPECT_EQ(ParseNumber(text), std::strtod(text.c_str(), nullptr));
        }
        EXPECT_EQ(ParseNumber(sticky), high);
    }
}

// The C library in the "C" locale reads and writes the same forms, within the
// texts made here: no hexadecimal, no infinity or NaN words, no exponents that
// reach the subnormal range.
TEST(NumberText, AgreesWithTheCLibraryInTheCLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    std::mt19937_64 random(20261211);
    const std::string alphabet = "0123456789.+-eE \t,";
    for (int i = 0; i < 100000; ++i) {
        std::string text;
        const int length = int(random() % 14);
        for (int j = 0; j < length; ++j) {
            text += alphabet[random() % alphabet.size()];
        }
        const double ours = ParseNumber(text);
        const double theirs = std::strtod(text.c_str(), nullptr);
        ASSERT_EQ(std::signbit(ours), std::signbit(theirs)) << '"' << text << '"';
        ASSERT_EQ(ours, theirs) << '"' << text << '"';
    }
    for (int i = 0; i < 100000; ++i) {
        // Doubles of every magnitude a field shows, with their shortest and longest digits.
        const double value = std::ldexp(double(std::int64_t(random() >> 11)) - double(1ull << 52),
                                        int(random() % 120) - 100);
        const int decimals = int(random() % 7);
        char expected[512];
        std::snprintf(expected, sizeof expected, "%.*f", decimals, value == 0 ? 0.0 : value);
        ASSERT_EQ(FormatFixed(value, decimals), expected) << value << " / " << decimals;
        // With enough decimals the text is exact, and reads back as the same double.
        ASSERT_EQ(ParseNumber(FormatFixed(value, 110)), value) << value;
    }
}

TEST(NumberText, IgnoresTheLocale) {
    const char* russian = std::setlocale(LC_ALL, "ru_RU.UTF-8");
    ASSERT_NE(russian, nullptr) << "the ru_RU.UTF-8 locale is missing (Debian package locales-all)";
    EXPECT_EQ(FormatFixed(1273.885009765625, 3), "1273.885");
    EXPECT_EQ(FormatFixed(-0.5, 4), "-0.5000");
    EXPECT_EQ(ParseNumber("3.5"), 3.5);
    EXPECT_EQ(ParseNumber("3,5"), 3.0);
    std::setlocale(LC_ALL, "C");
}

}  // namespace
