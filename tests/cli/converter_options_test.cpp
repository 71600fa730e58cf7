#include "converter_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame_rates.h"

namespace {

using Action = ConverterOptions::Action;

constexpr int kNoRate = -1;

struct OptionsCase {
    std::string name;
    std::vector<const char*> args;  // without the program name
    Action action;
    int rateIndex;  // the window's rate it names, or kNoRate
    bool firstFrameZero;
    int firstTimeArgument;
    const char* named;  // what the usage error's line must name
};

void PrintTo(const OptionsCase& c, std::ostream* os) { *os << c.name; }

class ConverterOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(ConverterOptionsTest, ReadsTheCommandLine) {
    const OptionsCase& c = GetParam();
    std::vector<const char*> argv{"pelvoro-convert"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    const ConverterOptions options = ParseConverterOptions(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(options.action, c.action);
    if (c.action == Action::Convert) {
        EXPECT_EQ(options.haveRate, c.rateIndex != kNoRate);
        if (c.rateIndex != kNoRate) {
            EXPECT_EQ(options.rate.value, g_frameRates[c.rateIndex]);
        }
        EXPECT_EQ(options.firstFrameZero, c.firstFrameZero);
        EXPECT_EQ(options.firstTimeArgument, c.firstTimeArgument);
    }
    if (c.action == Action::UsageError) {
        ASSERT_NE(options.problem, nullptr);
        EXPECT_NE(std::string(options.problem).find(std::string("'") + c.named + "'"), std::string::npos)
            << options.problem;
        EXPECT_EQ(std::string(options.problem).find('\n'), std::string::npos);  // one line
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ConverterOptionsTest,
    ::testing::ValuesIn(std::vector<OptionsCase>{
        // Without options: no rate selected, first frame 1, as the window opens.
        {"Nothing", {}, Action::Convert, kNoRate, false, 1, nullptr},
        {"TimesOnly", {"1:00", "2"}, Action::Convert, kNoRate, false, 1, nullptr},
        {"EveryLabel0", {"--fps", "23.976"}, Action::Convert, 0, false, 3, nullptr},
        {"EveryLabel7", {"--fps", "120", "5"}, Action::Convert, 7, false, 3, nullptr},
        {"Rate2997", {"--fps", "29.97", "--first", "0", "0:10"}, Action::Convert, 2, true, 5, nullptr},
        {"FirstOne", {"--first", "1", "--fps", "60"}, Action::Convert, 5, false, 5, nullptr},
        {"LastFpsWins", {"--fps", "24", "--fps", "30"}, Action::Convert, 3, false, 5, nullptr},
        // "--" ends the options, so a time may look like one.
        {"DoubleDash", {"--fps", "24", "--", "--help"}, Action::Convert, 1, false, 4, nullptr},
        {"DashAloneIsATime", {"-"}, Action::Convert, kNoRate, false, 1, nullptr},
        // Options end at the first time.
        {"OptionAfterTime", {"5", "--fps", "24"}, Action::Convert, kNoRate, false, 1, nullptr},
        {"ValuesAfterAnEqualsSign", {"--fps=29.97", "--first=0", "0:10"}, Action::Convert, 2, true, 3, nullptr},
        {"Help", {"--fps", "24", "--help"}, Action::ShowHelp, 0, false, 0, nullptr},
        {"ShortHelp", {"-h"}, Action::ShowHelp, 0, false, 0, nullptr},
        {"Version", {"--version", "5"}, Action::ShowVersion, 0, false, 0, nullptr},
        {"UnknownOption", {"--rate", "24"}, Action::UsageError, 0, false, 0, "--rate"},
        {"UnknownOptionWithValue", {"--rate=24"}, Action::UsageError, 0, false, 0, "--rate=24"},
        {"NegativeTimeLooksLikeOption", {"-5"}, Action::UsageError, 0, false, 0, "-5"},
        // Any rate as a decimal or a ratio names the same double as the window's label.
        {"TrailingZeroIsTheSameRate", {"--fps", "29.970"}, Action::Convert, 2, false, 3, nullptr},
        {"WholeRateWithDecimals", {"--fps=24.0"}, Action::Convert, 1, false, 2, nullptr},
        {"RatioOfAWholeRate", {"--fps=120/1"}, Action::Convert, 7, false, 2, nullptr},
        {"SevenDecimals", {"--fps", "23.9760001"}, Action::UsageError, 0, false, 0, "23.9760001"},
        {"ZeroRate", {"--fps", "0"}, Action::UsageError, 0, false, 0, "0"},
        {"AboveAThousand", {"--fps", "1000.5"}, Action::UsageError, 0, false, 0, "1000.5"},
        {"RatioOverZero", {"--fps", "24/0"}, Action::UsageError, 0, false, 0, "24/0"},
        {"DenominatorAboveAMillion", {"--fps", "24000000/1000001"}, Action::UsageError, 0, false, 0,
         "24000000/1000001"},
        {"NotANumber", {"--fps", "fast"}, Action::UsageError, 0, false, 0, "fast"},
        {"UnknownKind", {"--from", "seconds"}, Action::UsageError, 0, false, 0, "seconds"},
        {"FrameNeedsARate", {"--from", "frame"}, Action::UsageError, 0, false, 0, "frame"},
        {"TimeToTimeNeedsNone", {"--to=time", "1"}, Action::Convert, kNoRate, false, 2, nullptr},
        {"TimecodeNeedsAWholeRate", {"--fps=12.5", "--to=timecode"}, Action::UsageError, 0, false, 0, "12.5"},
        {"DropFrameNeedsACountingRate", {"--fps=30", "--to=timecode", "--drop-frame"}, Action::UsageError, 0,
         false, 0, "30"},
        {"DropFrameIsForTimecode", {"--fps=29.97", "--drop-frame"}, Action::UsageError, 0, false, 0, "frame"},
        {"FpsWithoutValue", {"--fps"}, Action::UsageError, 0, false, 0, "--fps"},
        {"FirstTwo", {"--first", "2"}, Action::UsageError, 0, false, 0, "2"},
        {"FirstEmpty", {"--first", ""}, Action::UsageError, 0, false, 0, ""},
        {"FirstWithoutValue", {"--first"}, Action::UsageError, 0, false, 0, "--first"},
    }),
    [](const ::testing::TestParamInfo<OptionsCase>& info) { return info.param.name; });

}  // namespace
