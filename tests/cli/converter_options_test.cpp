#include "converter_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Action = ConverterOptions::Action;

struct OptionsCase {
    std::string name;
    std::vector<const char*> args;  // without the program name
    Action action;
    int rateIndex;
    bool firstFrameZero;
    int firstTimeArgument;
    const char* offending;
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
        EXPECT_EQ(options.rateIndex, c.rateIndex);
        EXPECT_EQ(options.firstFrameZero, c.firstFrameZero);
        EXPECT_EQ(options.firstTimeArgument, c.firstTimeArgument);
    }
    if (c.action == Action::UsageError) {
        EXPECT_NE(options.problem, nullptr);
        if (c.offending == nullptr) {
            EXPECT_EQ(options.offending, nullptr);
        } else {
            EXPECT_STREQ(options.offending, c.offending);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ConverterOptionsTest,
    ::testing::ValuesIn(std::vector<OptionsCase>{
        // Without options: no rate selected, first frame 1, as the window opens.
        {"Nothing", {}, Action::Convert, kNoRateSelected, false, 1, nullptr},
        {"TimesOnly", {"1:00", "2"}, Action::Convert, kNoRateSelected, false, 1, nullptr},
        {"EveryLabel0", {"--fps", "23.976"}, Action::Convert, 0, false, 3, nullptr},
        {"EveryLabel7", {"--fps", "120", "5"}, Action::Convert, 7, false, 3, nullptr},
        {"Rate2997", {"--fps", "29.97", "--first", "0", "0:10"}, Action::Convert, 2, true, 5, nullptr},
        {"FirstOne", {"--first", "1", "--fps", "60"}, Action::Convert, 5, false, 5, nullptr},
        {"LastFpsWins", {"--fps", "24", "--fps", "30"}, Action::Convert, 3, false, 5, nullptr},
        // "--" ends the options, so a time may look like one.
        {"DoubleDash", {"--fps", "24", "--", "--help"}, Action::Convert, 1, false, 4, nullptr},
        {"DashAloneIsATime", {"-"}, Action::Convert, kNoRateSelected, false, 1, nullptr},
        // Options end at the first time.
        {"OptionAfterTime", {"5", "--fps", "24"}, Action::Convert, kNoRateSelected, false, 1, nullptr},
        {"Help", {"--fps", "24", "--help"}, Action::ShowHelp, 0, false, 0, nullptr},
        {"UnknownOption", {"--rate", "24"}, Action::UsageError, 0, false, 0, "--rate"},
        {"NegativeTimeLooksLikeOption", {"-5"}, Action::UsageError, 0, false, 0, "-5"},
        {"RateByValueNotLabel", {"--fps", "24.0"}, Action::UsageError, 0, false, 0, "24.0"},
        {"RatioIsNoLabel", {"--fps", "30000/1001"}, Action::UsageError, 0, false, 0, "30000/1001"},
        {"FpsWithoutValue", {"--fps"}, Action::UsageError, 0, false, 0, nullptr},
        {"FirstTwo", {"--first", "2"}, Action::UsageError, 0, false, 0, "2"},
        {"FirstEmpty", {"--first", ""}, Action::UsageError, 0, false, 0, ""},
        {"FirstWithoutValue", {"--first"}, Action::UsageError, 0, false, 0, nullptr},
    }),
    [](const ::testing::TestParamInfo<OptionsCase>& info) { return info.param.name; });

}  // namespace
