// The frame text against the standard library's two exact renderings of a
// double with three decimals, over the values where an integer formatter
// could go wrong: midpoints, their neighbours, the edges of its fast way.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "frame_computation.h"
#include "frame_rates.h"
#include "time_text_parser.h"

namespace {

// What both "%.3f" and std::to_chars give, or the empty text when that
// would not fit in a frame text.
std::string Expected(double value) {
    char printed[512];
    const int length = std::snprintf(printed, sizeof printed, "%.3f", value);
    char converted[kFrameTextCapacity];
    const std::to_chars_result written =
        std::to_chars(converted, converted + kFrameTextCapacity - 1, value, std::chars_format::fixed, 3);
    if (written.ec != std::errc()) {
        EXPECT_GE(length, kFrameTextCapacity) << "to_chars gave up on " << printed;
        return "";
    }
    *written.ptr = '\0';
    EXPECT_STREQ(converted, printed) << "the standard's two renderings differ";
    return printed;
}

::testing::AssertionResult SameAsTheStandard(double value) {
    const FrameText text = FormatFrameValue(value);
    const std::string expected = Expected(value);
    if (text.text != expected || text.length != static_cast<int>(expected.size())) {
        char bits[32];
        std::snprintf(bits, sizeof bits, "%a", value);
        return ::testing::AssertionFailure() << bits << " gives \"" << text.text << "\" (" << text.length
                                             << "), not \"" << expected << "\"";
    }
    return ::testing::AssertionSuccess();
}

// A value and the doubles on either side of it.
::testing::AssertionResult SameAroundIt(double value) {
    for (double v : {std::nextafter(value, -1e300), value, std::nextafter(value, 1e300)}) {
        ::testing::AssertionResult same = SameAsTheStandard(v);
        if (!same) return same;
    }
    return ::testing::AssertionSuccess();
}

TEST(FrameText, EveryMidpointBelowTwoHundredThousandAndItsNeighbours) {
    // A midpoint between two three-decimal texts is exact in binary only as
    // n + j/16 with j odd (187.3125, say): there "%.3f" rounds to even.
    for (int n = 0; n < 200000; ++n) {
        for (int j = 1; j < 16; j += 2) ASSERT_TRUE(SameAroundIt(n + j / 16.0));
    }
}

TEST(FrameText, MidpointsUpToTheEndOfTheFastWay) {
    std::mt19937_64 random(11);
    for (int exponent = 17; exponent <= 49; ++exponent) {
        std::uniform_int_distribution<long long> wholes(1LL << (exponent - 1), (1LL << exponent) - 1);
        for (int i = 0; i < 20000; ++i) {
            const double whole = static_cast<double>(wholes(random));
            ASSERT_TRUE(SameAroundIt(whole + static_cast<double>(2 * (i % 8) + 1) / 16.0));
        }
    }
}

TEST(FrameText, ConversionsAtEveryRateFromBothFirstFrames) {
    std::mt19937_64 random(29970);
    std::uniform_int_distribution<int> hours(0, 99);
    std::uniform_int_distribution<int> minutes(0, 9999);
    std::uniform_int_distribution<int> seconds(0, 999999);
    std::uniform_int_distribution<int> millis(0, 999);
    for (int i = 0; i < 400000; ++i) {
        char time[40];
        // Small times as often as large ones: most texts are short.
        if (i % 2 == 0) {
            std::snprintf(time, sizeof time, "%d:%02d.%03d", minutes(random) % 60, seconds(random) % 60,
                          millis(random));
        } else {
            std::snprintf(time, sizeof time, "%d:%d:%d.%03d", hours(random), minutes(random), seconds(random),
                          millis(random));
        }
        const TimeParseResult parsed = ParseTimeText(time);
        ASSERT_TRUE(parsed.ok()) << time;
        for (int rate = 0; rate < g_frameRateCount; ++rate) {
            ASSERT_TRUE(SameAsTheStandard(ComputeFrameValue(parsed.fields, g_frameRates[rate], i & 1))) << time;
        }
    }
}

TEST(FrameText, EdgesOfTheFastWayAndBeyond) {
    const TimeParseResult longest = ParseTimeText("99:9999:999999.999");
    ASSERT_TRUE(longest.ok());
    const double largest = ComputeFrameValue(longest.fields, g_frameRates[g_frameRateCount - 1], 1);
    EXPECT_EQ(std::string(FormatFrameValue(largest).text).substr(0, 10), "234760800.");
    for (double value : {0.0, -0.0, largest, 0.0005, 0.9995, 9.9995, 99999999.9995, 99999999.999,
                         std::ldexp(1.0, 53), std::ldexp(1.0, 53) - 1, std::ldexp(1.0, 52), std::ldexp(1.0, 63),
                         std::ldexp(1.0, 64), 1e16, 1e26, 9.999999999999999e26, 1e27, 1e28, 1.7976931348623157e308,
                         std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
                         -187.3125, -1e20}) {
        EXPECT_TRUE(SameAroundIt(value));
    }
    const double kInfinity = std::numeric_limits<double>::infinity();
    for (double value : {kInfinity, -kInfinity, std::nan(""), -std::nan("")}) EXPECT_TRUE(SameAsTheStandard(value));
}

// Doubles of every magnitude and sign, from random bits, and whole numbers
// spread evenly over the exponents where the text still fits.
TEST(FrameText, AnyDouble) {
    std::mt19937_64 random(53);
    for (int i = 0; i < 300000; ++i) {
        std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        ASSERT_TRUE(SameAsTheStandard(value));
        ASSERT_TRUE(SameAsTheStandard(std::ldexp(1.0 + static_cast<double>(bits >> 12) / 4503599627370496.0,
                                                 static_cast<int>(bits % 100) - 10)));
    }
}

}  // namespace
