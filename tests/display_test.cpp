// SPDX-License-Identifier: GPL-3.0-or-later
// The plot's scale on its own: the columns' frequencies and the rows of K and
// the SWR. The curves themselves are checked on the real canvas.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "display/plot_scale.h"

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
    const struct {
        std::int32_t x;
        double exact;
        float sample;
    } columns[] = {
        {1, 0.05, 0.05f},     {200, 10, 10.0f},   {247, 12.35, 12.35f},
        {655, 32.75, 32.75f}, {656, 32.8, 32.8f}, {700, 35, 35.0f},
    };
    for (const auto& c : columns) {
        SCOPED_TRACE("column " + std::to_string(c.x));
        EXPECT_EQ(ColumnFrequency(c.x), c.exact);
        EXPECT_EQ(SampleFrequency(c.x), c.sample);
    }
}

}  // namespace
