#include "frame_computation.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "frame_rates.h"
#include "time_text_parser.h"

namespace {

int RateIndex(const char* label) {
    for (int i = 0; i < g_frameRateCount; ++i) {
        if (std::strcmp(g_frameRateLabels[i], label) == 0) return i;
    }
    ADD_FAILURE() << "no rate labelled " << label;
    return 0;
}

std::string Printf3(double value) {
    char text[512];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

struct FrameCase {
    const char* time;
    const char* rate;
    int firstFrame;
    const char* display;
};

void PrintTo(const FrameCase& c, std::ostream* os) {
    *os << c.time << " at " << c.rate << " from " << c.firstFrame;
}

class FrameValueText : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameValueText, MatchesTheExpectedDisplay) {
    const FrameCase& c = GetParam();
    const TimeParseResult parsed = ParseTimeText(c.time);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    const double value = ComputeFrameValue(parsed.fields, g_frameRates[RateIndex(c.rate)], c.firstFrame);
    EXPECT_STREQ(FormatFrameValue(value).text, c.display);
}

INSTANTIATE_TEST_SUITE_P(
    Times, FrameValueText,
    ::testing::ValuesIn(std::vector<FrameCase>{
        {"0:10", "29.97", 1, "300.700"},
        {"0:10", "29.97", 0, "299.700"},
        {"5", "24", 1, "121.000"},
        {"2", "119.88", 0, "239.760"},
        {"1", "23.976", 1, "24.976"},
        {"0:0:1.5", "59.94", 0, "89.910"},
        {"0::3", "60", 0, "180.000"},
        {"1::2", "24", 0, "86448.000"},
        {"1:", "24", 0, "1440.000"},
        {"0", "23.976", 0, "0.000"},
        {"0", "23.976", 1, "1.000"},
        {"0.001", "120", 0, "0.120"},
        {"99:9999:999999.999", "120", 1, "234760800.880"},
    }));

// The fraction is the typed digits read as thousandths.
INSTANTIATE_TEST_SUITE_P(
    Fractions, FrameValueText,
    ::testing::ValuesIn(std::vector<FrameCase>{
        {"12.5", "23.976", 1, "300.700"},
        {"12.05", "23.976", 1, "289.911"},
        {"12.005", "23.976", 1, "288.832"},
        {"0.5", "24", 0, "12.000"},
        {"0.50", "24", 0, "12.000"},
        {"0.500", "24", 0, "12.000"},
        {"1:.5", "24", 0, "1452.000"},
    }));

// The rates are the labelled decimals, not the NTSC ratios, which would give
// 959.041 and 899.101.
INSTANTIATE_TEST_SUITE_P(
    LabelledDecimalRates, FrameValueText,
    ::testing::ValuesIn(std::vector<FrameCase>{
        {"40", "23.976", 0, "959.040"},
        {"30", "29.97", 0, "899.100"},
        {"10", "59.94", 0, "599.400"},
    }));

// One minute at each rate of the list.
INSTANTIATE_TEST_SUITE_P(
    EveryRate, FrameValueText,
    ::testing::ValuesIn(std::vector<FrameCase>{
        {"1:00", "23.976", 0, "1438.560"},
        {"1:00", "24", 0, "1440.000"},
        {"1:00", "29.97", 0, "1798.200"},
        {"1:00", "30", 0, "1800.000"},
        {"1:00", "59.94", 0, "3596.400"},
        {"1:00", "60", 0, "3600.000"},
        {"1:00", "119.88", 0, "7192.800"},
        {"1:00", "120", 0, "7200.000"},
    }));

TEST(FrameRates, EachLabelNamesItsValue) {
    ASSERT_EQ(g_frameRateCount, 8);
    for (int i = 0; i < g_frameRateCount; ++i) {
        EXPECT_EQ(std::strtod(g_frameRateLabels[i], nullptr), g_frameRates[i]) << g_frameRateLabels[i];
    }
}

TEST(FrameRates, ListIsInAscendingOrder) {
    for (int i = 1; i < g_frameRateCount; ++i) EXPECT_LT(g_frameRates[i - 1], g_frameRates[i]);
}

class FormatFrameValueTest : public ::testing::TestWithParam<double> {};

TEST_P(FormatFrameValueTest, RendersAsPrintfDoes) {
    EXPECT_EQ(FormatFrameValue(GetParam()).text, Printf3(GetParam()));
}

// Exact binary midpoints between two three-decimal texts, and values beside
// the largest frame value a time can give.
INSTANTIATE_TEST_SUITE_P(
    MidpointsAndExtremes, FormatFrameValueTest,
    ::testing::Values(187.3125, 0.0625, 0.0005, 0.0015, 2.5e-4, 1.0 / 1024, 0.0, 0.4995, 999.9995,
                      234760800.8799, 1e26, 123456789012345678.0));

TEST(FormatFrameValue, AgreesWithPrintfOnRandomFrameValues) {
    std::mt19937_64 random(20261211);
    std::uniform_real_distribution<double> frames(0.0, 2.5e8);
    std::uniform_int_distribution<int> wholes(0, 1956339);
    std::uniform_int_distribution<int> thousandths(0, 999);
    for (int i = 0; i < 200000; ++i) {
        const double any = frames(random);
        ASSERT_EQ(FormatFrameValue(any).text, Printf3(any));
        // Values as the conversion forms them, many close to a midpoint.
        const double seconds = wholes(random) + thousandths(random) * 0.001;
        const double value = g_frameRates[i % g_frameRateCount] * seconds + (i & 1);
        ASSERT_EQ(FormatFrameValue(value).text, Printf3(value)) << seconds;
    }
}

TEST(FormatFrameValue, LeavesTheTextEmptyWhenItCannotFit) {
    EXPECT_STREQ(FormatFrameValue(1e40).text, "");
}

}  // namespace
