// Playing time, frame number and timecode, each way: the notations' rules,
// their messages, drop-frame counting and the exactness of the arithmetic.
#include "notation_conversion.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "conversion_request.h"
#include "frame_notation.h"
#include "frame_rates.h"
#include "timecode.h"

namespace {

ExactRate Rate(const char* text) {
    ExactRate rate{};
    const char* problem = ParseExactRate(text, &rate);
    EXPECT_EQ(problem, nullptr) << text;
    return rate;
}

std::string Convert(const char* text, Notation from, Notation to, const ExactRate* rate, int first = 1,
                    bool dropFrame = false) {
    NotationRequest request;
    request.from = from;
    request.to = to;
    request.rate = rate;
    request.firstFrame = first;
    request.dropFrameOutput = dropFrame;
    char out[32];
    int length = -1;
    const char* error = ConvertNotation(text, request, out, &length);
    if (error != nullptr) return std::string("error: ") + error;
    EXPECT_EQ(length, static_cast<int>(std::string(out).size()));
    return out;
}

struct Case {
    std::string name;
    Notation from;
    Notation to;
    const char* rate;  // null: none
    int first;
    bool dropFrame;
    const char* input;
    std::string expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class Directions : public ::testing::TestWithParam<Case> {};

TEST_P(Directions, GiveTheValueOrTheMessage) {
    const Case& c = GetParam();
    const ExactRate rate = c.rate != nullptr ? Rate(c.rate) : ExactRate{};
    EXPECT_EQ(Convert(c.input, c.from, c.to, c.rate != nullptr ? &rate : nullptr, c.first, c.dropFrame), c.expected);
}

using N = Notation;
std::string Error(const char* message) { return std::string("error: ") + message; }

INSTANTIATE_TEST_SUITE_P(
    Values, Directions,
    ::testing::ValuesIn(std::vector<Case>{
        // Time to frame is the window's conversion, whatever the rate is written as.
        {"TimeToFrameAsTheWindow", N::Time, N::Frame, "29.97", 1, false, "0:10", "300.700"},
        {"TimeToFrameTrailingZero", N::Time, N::Frame, "29.970", 1, false, "0:10", "300.700"},
        {"TimeToFrameAnyRate", N::Time, N::Frame, "25", 0, false, "1:00", "1500.000"},
        {"TimeToFrameNoRate", N::Time, N::Frame, nullptr, 1, false, "0:10", Error(kInvalidFpsMessage)},
        {"TimeToFrameSyntaxFirst", N::Time, N::Frame, nullptr, 1, false, "12x",
         Error("syntax error (3): wrong character after second part")},
        {"TimeToTimeNormalises", N::Time, N::Time, nullptr, 1, false, "0:75:99", "1:16:39.000"},
        {"TimeToTimeFraction", N::Time, N::Time, nullptr, 1, false, "1:02:03.5", "1:02:03.500"},
        {"TimeToTimeHoursGrow", N::Time, N::Time, nullptr, 1, false, "99:9999:999999.999", "543:25:39.999"},
        // The frame showing at a time: 30 x 4.1 is 122.99999999999999 in doubles, but frame 123 shows.
        {"FloorIsExact", N::Time, N::Timecode, "30", 1, false, "4.1", "00:00:04:03"},
        {"FrameBoundaryOfARatio", N::Time, N::Timecode, "23.976", 0, false, "1.001", "00:00:00:23"},
        {"TimeToTimecodeDropFrame", N::Time, N::Timecode, "29.97", 1, true, "1:00.061", "00:01:00;02"},
        {"FrameToTime", N::Frame, N::Time, "29.97", 1, false, "300.7", "0:00:10.000"},
        {"FrameToTimeRatio", N::Frame, N::Time, "24000/1001", 1, false, "86401", "1:00:03.600"},
        {"FrameToTimeTiesToEven", N::Frame, N::Time, "8", 0, false, "0.02", "0:00:00.002"},
        {"FrameToTimeTiesToEvenUp", N::Frame, N::Time, "8", 0, false, "0.028", "0:00:00.004"},
        {"FrameBeforeTheFirst", N::Frame, N::Time, "24", 1, false, "0.999", Error(kFrameBeforeFirst)},
        {"FrameZeroFromZero", N::Frame, N::Time, "24", 0, false, "0", "0:00:00.000"},
        {"FrameToTimecodeFloors", N::Frame, N::Timecode, "25", 1, false, "300.700", "00:00:11:24"},
        {"FrameToFrameNormalises", N::Frame, N::Frame, "25", 1, false, "300.7", "300.700"},
        {"FrameNineDigits", N::Frame, N::Frame, "25", 1, false, "999999999.999", "999999999.999"},
        {"FrameTenDigits", N::Frame, N::Frame, "25", 1, false, "1234567890", Error(kFrameTooLarge)},
        {"FrameFourDecimals", N::Frame, N::Frame, "25", 1, false, "1.2345", Error(kNotAFrameNumber)},
        {"FrameBarePoint", N::Frame, N::Frame, "25", 1, false, "1.", Error(kNotAFrameNumber)},
        {"FrameEmpty", N::Frame, N::Frame, "25", 1, false, "", Error(kNotAFrameNumber)},
        {"FrameWithSpace", N::Frame, N::Frame, "25", 1, false, "12 ", Error(kNotAFrameNumber)},
        {"FrameNegative", N::Frame, N::Frame, "25", 1, false, "-1", Error(kNotAFrameNumber)},
        {"TimecodeToFrame", N::Timecode, N::Frame, "29.97", 0, false, "01:00:00;00", "107892.000"},
        {"TimecodeToFrameFromOne", N::Timecode, N::Frame, "30", 1, false, "00:00:01:00", "31.000"},
        {"TimecodeOneHourDigit", N::Timecode, N::Frame, "25", 0, false, "1:00:00:00", "90000.000"},
        {"TimecodePointIsDropFrame", N::Timecode, N::Frame, "59.94", 0, false, "00:01:00.04", "3600.000"},
        {"TimecodeToTimeFirstMillisecond", N::Timecode, N::Time, "24000/1001", 1, false, "01:00:00:00",
         "1:00:03.600"},
        {"TimecodeToTimeCeil", N::Timecode, N::Time, "30", 1, false, "00:00:00:01", "0:00:00.034"},
        {"TimecodeHoursNotWrapped", N::Timecode, N::Timecode, "24", 1, false, "99:59:59:23", "99:59:59:23"},
        {"DropFrameToNonDropFrame", N::Timecode, N::Timecode, "29.97", 1, false, "00:10:00;00", "00:09:59:12"},
        {"NonDropFrameToDropFrame", N::Timecode, N::Timecode, "29.97", 1, true, "00:59:56:12", "01:00:00;00"},
        {"TimecodeSkippedNumber", N::Timecode, N::Frame, "29.97", 1, false, "00:01:00;00", Error(kTimecodeSkipped)},
        {"TimecodeSkippedAtSixty", N::Timecode, N::Frame, "59.94", 1, false, "00:02:00;03", Error(kTimecodeSkipped)},
        {"TimecodeTenthMinuteKeeps", N::Timecode, N::Frame, "29.97", 0, false, "00:10:00;00", "17982.000"},
        {"TimecodeDropFrameAtWholeRate", N::Timecode, N::Frame, "30", 1, false, "00:00:00;00",
         Error(kTimecodeNoDropFrame)},
        {"TimecodeMinutesAbove59", N::Timecode, N::Frame, "25", 1, false, "00:60:00:00", Error(kTimecodeAbove59)},
        {"TimecodeSecondsAbove59", N::Timecode, N::Frame, "25", 1, false, "00:00:60:00", Error(kTimecodeAbove59)},
        {"TimecodeFramesTooMany", N::Timecode, N::Frame, "23.976", 1, false, "00:00:00:24",
         Error(kTimecodeFramesTooMany)},
        {"TimecodeThreeFrameDigitsAbove100", N::Timecode, N::Frame, "119.88", 0, false, "00:00:01:119", "239.000"},
        {"TimecodeThreeFrameDigitsOnlyAbove100", N::Timecode, N::Frame, "60", 0, false, "00:00:01:010",
         Error(kNotATimecode)},
        {"TimecodeShortPart", N::Timecode, N::Frame, "25", 1, false, "00:0:00:00", Error(kNotATimecode)},
        {"TimecodeThreeHourDigits", N::Timecode, N::Frame, "25", 1, false, "100:00:00:00", Error(kNotATimecode)},
        {"TimecodeTrailingText", N::Timecode, N::Frame, "25", 1, false, "00:00:00:00x", Error(kNotATimecode)},
        {"TimecodeEmpty", N::Timecode, N::Frame, "25", 1, false, "", Error(kNotATimecode)},
    }),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

struct RateCase {
    const char* text;
    std::int64_t numerator;
    std::int64_t denominator;
    int nominal;
    bool timecode;
    bool dropFrame;
};

class Rates : public ::testing::TestWithParam<RateCase> {};

TEST_P(Rates, AreReadExactlyWithTheirNominalRate) {
    const RateCase& c = GetParam();
    const ExactRate rate = Rate(c.text);
    EXPECT_EQ(rate.numerator, c.numerator);
    EXPECT_EQ(rate.denominator, c.denominator);
    EXPECT_EQ(rate.nominal, c.nominal);
    EXPECT_EQ(rate.timecode, c.timecode);
    EXPECT_EQ(rate.dropFrame, c.dropFrame);
}

INSTANTIATE_TEST_SUITE_P(Written, Rates,
                         ::testing::Values(RateCase{"23.976", 23976, 1000, 24, true, false},
                                           RateCase{"24000/1001", 24000, 1001, 24, true, false},
                                           RateCase{"29.97", 2997, 100, 30, true, true},
                                           RateCase{"30000/1001", 30000, 1001, 30, true, true},
                                           RateCase{"59.94", 5994, 100, 60, true, true},
                                           RateCase{"119.88", 11988, 100, 120, true, false},
                                           RateCase{"25", 25, 1, 25, true, false},
                                           RateCase{"12.5", 125, 10, 13, false, false},
                                           RateCase{"1", 1, 1, 1, true, false},
                                           RateCase{"1000.000000", 1000000000, 1000000, 1000, true, false}));

TEST(Rates, TheWindowsLabelsNameTheWindowsValues) {
    for (int i = 0; i < g_frameRateCount; ++i) EXPECT_EQ(Rate(g_frameRateLabels[i]).value, g_frameRates[i]);
}

// Drop-frame counting as SMPTE 12M defines it, one frame at a time: the
// frame number runs on, and at the start of each minute but the tenth ones
// it leaves out its first two (at nominal 60, four) numbers.
void CheckDropFrameAgainstCounting(const char* rateText) {
    const ExactRate rate = Rate(rateText);
    const int dropped = rate.nominal == 30 ? 2 : 4;
    Timecode counted{0, 0, 0, 0, true};
    const std::int64_t day = 24LL * 3600 * rate.nominal;
    for (std::int64_t index = 0; index < day; ++index) {
        const Timecode made = IndexToTimecode(index, rate.nominal, true);
        ASSERT_TRUE(made.hours == counted.hours && made.minutes == counted.minutes &&
                    made.seconds == counted.seconds && made.frames == counted.frames)
            << rateText << " frame " << index;
        ASSERT_EQ(TimecodeToIndex(counted, rate.nominal), index);
        if (++counted.frames == rate.nominal) {
            counted.frames = 0;
            if (++counted.seconds == 60) {
                counted.seconds = 0;
                if (++counted.minutes == 60) {
                    counted.minutes = 0;
                    ++counted.hours;
                }
                if (counted.minutes % 10 != 0) counted.frames = dropped;
            }
        }
    }
}

TEST(DropFrame, EveryFrameOfADayAt2997) { CheckDropFrameAgainstCounting("29.97"); }
TEST(DropFrame, EveryFrameOfADayAt5994) { CheckDropFrameAgainstCounting("59.94"); }

TEST(DropFrame, KnownMarks) {
    const ExactRate ntsc = Rate("29.97");
    const ExactRate fast = Rate("59.94");
    EXPECT_EQ(Convert("1800", N::Frame, N::Timecode, &ntsc, 0, true), "00:01:00;02");
    EXPECT_EQ(Convert("17982", N::Frame, N::Timecode, &ntsc, 0, true), "00:10:00;00");
    EXPECT_EQ(Convert("107892", N::Frame, N::Timecode, &ntsc, 0, true), "01:00:00;00");
    EXPECT_EQ(Convert("3600", N::Frame, N::Timecode, &fast, 0, true), "00:01:00;04");
}

// Frame -> timecode -> frame for every frame of the first two hours.
TEST(RoundTrips, FrameTimecodeFrameAtEveryNominalRate) {
    for (const char* rateText : {"23.976", "24", "25", "29.97", "30", "48", "50", "59.94", "60", "120"}) {
        const ExactRate rate = Rate(rateText);
        for (bool dropFrame : {false, true}) {
            if (dropFrame && !rate.dropFrame) continue;
            const std::int64_t frames = 2LL * 3600 * rate.nominal;
            for (std::int64_t index = 0; index < frames; ++index) {
                char frame[32];
                WriteFrameThousandths(index * 1000, frame);
                const std::string timecode = Convert(frame, N::Frame, N::Timecode, &rate, 0, dropFrame);
                ASSERT_EQ(Convert(timecode.c_str(), N::Timecode, N::Frame, &rate, 0), frame)
                    << rateText << " via " << timecode;
            }
        }
    }
}

// Time -> frame (the window's arithmetic) -> time gives the time back, for
// times the window accepts at every rate and both first frames.
TEST(RoundTrips, TimeFrameTime) {
    std::mt19937_64 random(1001);
    std::uniform_int_distribution<int> hours(0, 99), minutes(0, 9999), seconds(0, 999999), millis(0, 999);
    for (int i = 0; i < 60000; ++i) {
        char time[40];
        if (i % 2 == 0) {
            std::snprintf(time, sizeof time, "%d:%02d.%03d", minutes(random) % 60, seconds(random) % 60, millis(random));
        } else {
            std::snprintf(time, sizeof time, "%d:%d:%d.%03d", hours(random), minutes(random), seconds(random),
                          millis(random));
        }
        const std::string normal = Convert(time, N::Time, N::Time, nullptr);
        for (int r = 0; r < g_frameRateCount; ++r) {
            const ExactRate rate = Rate(g_frameRateLabels[r]);
            for (int first : {0, 1}) {
                const std::string frame = Convert(time, N::Time, N::Frame, &rate, first);
                ASSERT_EQ(Convert(frame.c_str(), N::Frame, N::Time, &rate, first), normal)
                    << time << " at " << g_frameRateLabels[r] << " is frame " << frame;
            }
        }
    }
}

// Timecode -> time -> timecode: the time is the first millisecond of the
// frame, so its frame is the timecode's.
TEST(RoundTrips, TimecodeTimeTimecode) {
    std::mt19937_64 random(2997);
    for (const char* rateText : {"23.976", "24000/1001", "25", "29.97", "30", "59.94", "60", "119.88", "1000"}) {
        const ExactRate rate = Rate(rateText);
        // Up to 90 hours: a time of 100 hours and more is no time the window reads.
        std::uniform_int_distribution<std::int64_t> indexes(0, 90LL * 3600 * rate.nominal - 1);
        for (int i = 0; i < 50000; ++i) {
            const bool dropFrame = rate.dropFrame && i % 2 == 0;
            char timecode[32];
            WriteTimecode(IndexToTimecode(indexes(random), rate.nominal, dropFrame), timecode);
            const std::string time = Convert(timecode, N::Timecode, N::Time, &rate);
            ASSERT_EQ(Convert(time.c_str(), N::Time, N::Timecode, &rate, 1, dropFrame), timecode)
                << rateText << " via " << time;
        }
    }
}

}  // namespace
