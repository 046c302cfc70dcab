// SPDX-License-Identifier: GPL-3.0-or-later
// The plot's scale on its own: the row of every curve sample, with the field
// texts kept in the model's plain table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "display/plot_scale.h"
#include "model/components.h"
#include "model/diplexer_state.h"
#include "model/fields.h"
#include "model/network_response.h"

using namespace diplexer;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::int32_t kFarAbove = -2147483338;

TEST(PlotRows, RoundToNearestEvenAndWrapIn32Bits) {
    const struct {
        double K;
        std::int32_t row;
    } transfer[] = {
        {0, 310},
        {1, 10},
        {0.125, 272},  // 37.5 rounds to the even 38
        {0.375, 198},  // 112.5 rounds to the even 112
        {-0.125, 348},
        {kNaN, kFarAbove},
        {kInf, kFarAbove},
        {-kInf, kFarAbove},
        {1e10, kFarAbove},
        {2147483647.0 / 300, 310 - 2147483647},
        {2147483647.5 / 300, kFarAbove},     // rounds to 2^31: beyond 32 bits
        {-2147483647.0 / 300, -2147483339},  // 310 + 2147483647 wraps
        {-2147483648.0 / 300, kFarAbove},    // the lowest value itself wraps the same way
    };
    for (const auto& c : transfer) {
        EXPECT_EQ(TransferRow(c.K), c.row) << c.K;
    }
    const struct {
        double S;
        std::int32_t row;
    } swr[] = {
        {1, 310},         {1.0625, 10},      {1.0234375, 198},  // 112.5 rounds to the even 112
        {0.9946875, 336},                                       // just below the plot
        {-1, 9910},       {kNaN, kFarAbove}, {kInf, kFarAbove},
    };
    for (const auto& c : swr) {
        EXPECT_EQ(SwrRow(c.S), c.row) << c.S;
    }
}

TEST(PlotRows, SampleFrequenciesAreColumnsOverTwentyInSinglePrecision) {
    EXPECT_EQ(SampleFrequency(1), 0.05f);
    EXPECT_EQ(SampleFrequency(200), 10.0f);
    EXPECT_EQ(SampleFrequency(656), 32.8f);
    std::vector<std::int32_t> samples;
    for (std::int32_t x = kFirstSampleX; x <= kSampleLimitX; x += kSampleStep) {
        samples.push_back(x);
    }
    ASSERT_EQ(samples.size(), 132u);
    EXPECT_EQ(samples.back(), 656);
}

// The rows of both curves for the initial inputs, sample by sample.
TEST(PlotRows, CurvesOfTheInitialInputs) {
    ResetDiplexerState();
    UseFieldAccess({nullptr, nullptr});
    SetFieldText(FreqInput, "10");
    SetFieldText(ResistanceInput, "50");
    SetFieldText(QkInput, "60");
    SetFieldText(QdInput, "4");
    BeginCalculation();
    std::vector<std::int32_t> xs, k, swr;
    for (std::int32_t x = kFirstSampleX; x <= kSampleLimitX; x += kSampleStep) {
        xs.push_back(x);
        k.push_back(TransferRow(TransferCoefficient(SampleFrequency(x))));
        swr.push_back(SwrRow(StandingWaveRatio(SampleFrequency(x))));
    }
    EXPECT_EQ(k.front(), 310);
    EXPECT_EQ(k.back(), 285);
    const auto highest = std::min_element(k.begin(), k.end());
    EXPECT_EQ(*highest, 29);
    EXPECT_EQ(xs[std::size_t(highest - k.begin())], 201);
    EXPECT_EQ(std::count(k.begin(), k.end(), 29), 1);
    EXPECT_EQ(*std::min_element(swr.begin(), swr.end()), 272);
    EXPECT_EQ(*std::max_element(swr.begin(), swr.end()), 310);
    EXPECT_EQ(swr.back(), 303);
    EXPECT_EQ(FieldText(KOutput), "0.08365");
    EXPECT_EQ(FieldText(SwrOutput), "1.00139");
}

}  // namespace
