#include "conversion_request.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int k2997 = 2;
constexpr int k24 = 1;

struct RequestCase {
    std::string name;
    std::string time;
    int rateIndex;
    bool zeroChecked;
    bool succeeds;
    const char* text;
};

void PrintTo(const RequestCase& c, std::ostream* os) { *os << c.name; }

class ConversionRequest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(ConversionRequest, YieldsTheFrameTextOrTheFirstFailure) {
    const RequestCase& c = GetParam();
    const ConversionOutcome outcome = RunConversion(c.time.c_str(), c.rateIndex, c.zeroChecked);
    EXPECT_EQ(outcome.ok(), c.succeeds);
    EXPECT_STREQ(outcome.text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, ConversionRequest,
    ::testing::ValuesIn(std::vector<RequestCase>{
        {"FirstFrameOne", "0:10", k2997, false, true, "300.700"},
        {"FirstFrameZero", "0:10", k2997, true, true, "299.700"},
        {"NoRateSelected", "0:10", kNoRateSelected, false, false, "invalid fps value"},
        {"NoRateAndZeroChecked", "5", kNoRateSelected, true, false, "invalid fps value"},
        // The time is checked before the rate.
        {"EmptyTimeAndNoRate", "", kNoRateSelected, false, false,
         "syntax error (0): the first character is not number"},
        {"LongHoursAndNoRate", "123:00:00", kNoRateSelected, true, false,
         "syntax error (5) : hour part "},
        {"BadTimeWithRate", "12x", k24, false, false,
         "syntax error (3): wrong character after second part"},
        // An index the list cannot hold is no selection, not a read past the table.
        {"IndexPastTheTable", "5", 8, false, false, "invalid fps value"},
        {"NegativeIndex", "5", -7, false, false, "invalid fps value"},
        {"LastRate", "5", 7, true, true, "600.000"},
    }),
    [](const ::testing::TestParamInfo<RequestCase>& info) { return info.param.name; });

TEST(ConversionRequestRepeat, SameInputsGiveTheSameText) {
    const ConversionOutcome first = RunConversion("1:02:03.5", 0, false);
    ASSERT_TRUE(first.ok());
    RunConversion("123:00:00", kNoRateSelected, true);
    const ConversionOutcome again = RunConversion("1:02:03.5", 0, false);
    EXPECT_STREQ(again.text(), first.text());
}

}  // namespace
