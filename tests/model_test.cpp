// SPDX-License-Identifier: GPL-3.0-or-later
// The model on its own: complex registers, component values and the network
// response, with the field texts kept in the model's plain table.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "model/complex_arithmetic.h"
#include "model/components.h"
#include "model/diplexer_state.h"
#include "model/fields.h"
#include "model/network_response.h"
#include "model/rounding.h"

using namespace diplexer;

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(ComplexArithmetic, DividesByTheLargerPartOfTheDivisor) {
    struct Case {
        Complex a, b, quotient;
    };
    const Case cases[] = {
        {{1, 0}, {3, 4}, {0.12f, -0.16f}},  // |d| > |c|: r = 0.75, den = 6.25
        {{1, 0}, {1, 1}, {0.5f, -0.5f}},    // equal parts take the other branch
        {{1, 0}, {1, -1}, {0.5f, 0.5f}},   {{4, 2}, {2, 0}, {2, 1}},
        {{2, 4}, {0, 2}, {2, -1}},         {{1, 0}, {kInf, 5}, {0, 0}},
    };
    for (const Case& c : cases) {
        const Complex q = Divide(c.a, c.b);
        EXPECT_EQ(q.re, c.quotient.re) << c.b.re << " " << c.b.im;
        EXPECT_EQ(q.im, c.quotient.im) << c.b.re << " " << c.b.im;
        // The operands stay as written.
        EXPECT_EQ(state.operandA.re, c.a.re);
        EXPECT_EQ(state.operandB.im, c.b.im);
    }
    EXPECT_EQ(Divide({1, 0}, {3, 4}).re, 0.119999997f);
}

TEST(ComplexArithmetic, DivisionWithoutAFiniteQuotientGivesNaN) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Complex divisors[] = {{0, 0}, {kInf, kInf}, {nan, 1}, {1, nan}};
    for (const Complex& d : divisors) {
        const Complex q = Divide({1, 0}, d);
        EXPECT_TRUE(std::isnan(q.re) && std::isnan(q.im)) << d.re << " " << d.im;
    }
    const Complex q = Divide({nan, 0}, {3, 4});
    EXPECT_TRUE(std::isnan(q.re) && std::isnan(q.im));
}

TEST(ComplexArithmetic, Multiplies) {
    const Complex p = Multiply({1, 2}, {3, 4});
    EXPECT_EQ(p.re, -5);
    EXPECT_EQ(p.im, 10);
    const Complex twice = Multiply({2, 0}, {1.17549435e-38f, -3.0e37f});
    EXPECT_EQ(twice.re, 2 * 1.17549435e-38f);
    EXPECT_EQ(twice.im, -6.0e37f);
}

TEST(Rounding, WholeNumbersGoToEvenAndOutOfRangeToTheLowest) {
    constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
    const struct {
        double x;
        std::int32_t n;
    } cases[] = {
        {2.5, 2},
        {3.5, 4},
        {0.4, 0},
        {-2.5, -2},
        {37.5, 38},
        {112.5, 112},
        {-0.0, 0},
        {2147483647.4, 2147483647},
        {2147483647.5, kLowest},
        {-2147483648.5, kLowest},
        {-2147483648.4, kLowest},
        {1e300, kLowest},
        {-INFINITY, kLowest},
        {NAN, kLowest},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToInt32(c.x), c.n) << c.x;
    }
}

class Calculation : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetDiplexerState();
        UseFieldAccess({nullptr, nullptr});
        Inputs("10", "50", "60", "4");
    }

    static void Inputs(const char* F, const char* R, const char* Qk, const char* Qd) {
        SetFieldText(FreqInput, F);
        SetFieldText(ResistanceInput, R);
        SetFieldText(QkInput, Qk);
        SetFieldText(QdInput, Qd);
    }

    static std::string Components() {
        std::string all;
        for (int c : {L1Output, L2Output, C1Output, C2Output, SeriesLoadROutput,
                      ParallelLoadROutput, SourceROutput}) {
            all += FieldText(c) + "|";
        }
        return all;
    }

    static void Press() {
        BeginCalculation();
        ShowResponseAtWorkingFrequency();
    }
};

TEST_F(Calculation, ComponentsOfTheInitialInputs) {
    BeginCalculation();
    EXPECT_EQ(state.calculated, 1);
    EXPECT_EQ(Omega(10), 628000000.0f);
    EXPECT_EQ(Components(),
              "0.199 мкгн|3.185 мкгн|1273.885 пф|79.618 пф|50.00 ом|50.00 ом|50.00 ом|");
    EXPECT_EQ(state.R, 50);
    EXPECT_EQ(state.Qk, 60);
}

TEST_F(Calculation, ComponentTextsOfOddInputs) {
    const struct {
        const char *name, *F, *R, *Qk, *Qd, *texts;
    } cases[] = {
        {"Qd 2.5 rounds to the even 2", "10", "50", "60", "2.5",
         "0.398 мкгн|1.592 мкгн|636.943 пф|159.236 пф|50.00 ом|50.00 ом|50.00 ом|"},
        {"Qd 2", "10", "50", "60", "2",
         "0.398 мкгн|1.592 мкгн|636.943 пф|159.236 пф|50.00 ом|50.00 ом|50.00 ом|"},
        {"Qd 3.5 rounds to the even 4", "10", "50", "60", "3.5",
         "0.199 мкгн|3.185 мкгн|1273.885 пф|79.618 пф|50.00 ом|50.00 ом|50.00 ом|"},
        {"Qk plays no part", "10", "50", "1", "4",
         "0.199 мкгн|3.185 мкгн|1273.885 пф|79.618 пф|50.00 ом|50.00 ом|50.00 ом|"},
        {"a negative F", "-10", "50", "60", "4",
         "-0.199 мкгн|-3.185 мкгн|-1273.885 пф|-79.618 пф|50.00 ом|50.00 ом|50.00 ом|"},
        {"F 0 makes omega 0", "0", "50", "60", "4",
         "+Infinity мкгн|+Infinity мкгн|+Infinity пф|+Infinity пф|50.00 ом|50.00 ом|50.00 ом|"},
        {"an empty F reads as 0", "", "50", "60", "4",
         "+Infinity мкгн|+Infinity мкгн|+Infinity пф|+Infinity пф|50.00 ом|50.00 ом|50.00 ом|"},
        {"R 0", "10", "0", "60", "4",
         "0.000 мкгн|0.000 мкгн|+Infinity пф|+Infinity пф|0.00 ом|0.00 ом|0.00 ом|"},
        {"Qd 0", "10", "50", "60", "0",
         "+Infinity мкгн|0.000 мкгн|0.000 пф|+Infinity пф|50.00 ом|50.00 ом|50.00 ом|"},
        {"Qd 0.4 rounds to 0", "10", "50", "60", "0.4",
         "+Infinity мкгн|0.000 мкгн|0.000 пф|+Infinity пф|50.00 ом|50.00 ом|50.00 ом|"},
        {"an empty Qd reads as 0", "10", "50", "60", "",
         "+Infinity мкгн|0.000 мкгн|0.000 пф|+Infinity пф|50.00 ом|50.00 ом|50.00 ом|"},
        {"R NaN", "10", "NaN", "60", "4", "NaN мкгн|NaN мкгн|NaN пф|NaN пф|NaN ом|NaN ом|NaN ом|"},
        {"Qd beyond 32 bits becomes the lowest whole number", "10", "50", "60", "1e10",
         "-0.000 мкгн|-1709779968.000 мкгн|-683911938048.000 пф|-0.000 пф|50.00 ом|"
         "50.00 ом|50.00 ом|"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Inputs(c.F, c.R, c.Qk, c.Qd);
        BeginCalculation();
        EXPECT_EQ(Components(), c.texts);
    }
}

TEST_F(Calculation, ResponseAtTheWorkingFrequency) {
    Press();
    EXPECT_NEAR(state.Zin.re, 50.000713, 5e-6);
    EXPECT_NEAR(state.Zin.im, -0.048821, 5e-6);
    EXPECT_EQ(FieldText(KOutput), "0.93749");
    EXPECT_EQ(FieldText(LossOutput), "0.5606           ");
    EXPECT_EQ(FieldText(SwrOutput), "1.00098");
    EXPECT_NEAR(TransferCoefficient(10), 0.9374932, 1e-7);
    EXPECT_NEAR(StandingWaveRatio(10), 1.000977, 1e-6);
    // Another frequency in between changes nothing for the next evaluation at F.
    TransferCoefficient(32.8f);
    EXPECT_EQ(FieldText(KOutput), "0.08365");
    StandingWaveRatio(32.8f);
    EXPECT_EQ(FieldText(SwrOutput), "1.00139");
    const double K = TransferCoefficient(10);
    EXPECT_EQ(K, TransferCoefficient(10));
    EXPECT_EQ(FieldText(KOutput), "0.93749");
}

TEST_F(Calculation, ResponseTextsOfOddInputs) {
    const struct {
        const char *name, *F, *R, *Qk, *Qd, *K, *loss, *swr;
    } cases[] = {
        {"F 0: every evaluation NaN", "0", "50", "60", "4", "NaN", "NaN           ", "NaN"},
        {"an empty F", "", "50", "60", "4", "NaN", "NaN           ", "NaN"},
        {"Qk 0: infinite coil losses, K 0", "10", "50", "0", "4", "0.00000", "+Infinity           ",
         "1.28320"},
        {"Qd 0: Zin NaN", "10", "50", "60", "0", "NaN", "NaN           ", "NaN"},
        {"R 0: Zin NaN", "10", "0", "60", "4", "NaN", "NaN           ", "NaN"},
        {"Qd -4: K above 1, a negative loss", "10", "50", "60", "-4", "1.07144",
         "-0.5994           ", nullptr},
        {"nearly lossless coils", "10", "50", "1e30", "4", nullptr, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        Inputs(c.F, c.R, c.Qk, c.Qd);
        Press();
        SCOPED_TRACE(c.name);
        if (c.K != nullptr) {
            EXPECT_EQ(FieldText(KOutput), c.K);
            EXPECT_EQ(FieldText(LossOutput), c.loss);
        }
        if (c.swr != nullptr) {
            EXPECT_EQ(FieldText(SwrOutput), c.swr);
        }
    }
    // Nearly lossless coils: K near 1, no loss, a matched input.
    EXPECT_NEAR(TransferCoefficient(10), 1.0, 1e-5);
    EXPECT_NEAR(StandingWaveRatio(10), 1.0, 1e-4);
}

// A K whose single-precision value lies a few units in the last place below a
// rounding boundary of its five decimals: every operation rounded on its own
// gives 0.336304992 and "0.33630". A multiply and an add fused into one
// rounding (what GCC does on ARM64 unless told -ffp-contract=off) move it to
// 0.336305022 and the text to "0.33631".
TEST_F(Calculation, FiveDecimalsNextToARoundingBoundary) {
    Inputs("1.8", "50", "20", "1");
    Press();
    EXPECT_EQ(TransferCoefficient(5.55f), 0x1.586056dfbe3ccp-2);
    EXPECT_EQ(FieldText(KOutput), "0.33630");
}

}  // namespace
