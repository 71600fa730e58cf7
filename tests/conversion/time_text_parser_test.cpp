#include "time_text_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct AcceptedCase {
    std::string text;
    const char* hours;
    const char* minutes;
    const char* seconds;
    const char* millis;
};

void PrintTo(const AcceptedCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class AcceptedTimeText : public ::testing::TestWithParam<AcceptedCase> {};

void ExpectField(const DigitField& field, const char* digits, const char* name) {
    EXPECT_STREQ(field.digits, digits) << name;
    EXPECT_EQ(field.count, static_cast<int>(std::string(digits).size())) << name;
}

TEST_P(AcceptedTimeText, SplitsIntoFields) {
    const AcceptedCase& c = GetParam();
    const TimeParseResult parsed = ParseTimeText(c.text.c_str());
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    ExpectField(parsed.fields.hours, c.hours, "hours");
    ExpectField(parsed.fields.minutes, c.minutes, "minutes");
    ExpectField(parsed.fields.seconds, c.seconds, "seconds");
    ExpectField(parsed.fields.millis, c.millis, "millis");
}

INSTANTIATE_TEST_SUITE_P(
    Notation, AcceptedTimeText,
    ::testing::ValuesIn(std::vector<AcceptedCase>{
        {"0", "", "", "0", ""},
        {"12.5", "", "", "12", "5"},
        {"1:30", "", "1", "30", ""},
        {"1:02:03.5", "1", "02", "03", "5"},
        {"1:30.5", "", "1", "30", "5"},
        {"123456", "", "", "123456", ""},
        {"1:12345", "", "1", "12345", ""},
        {"1:0045", "", "1", "0045", ""},
        {"1:1234:00", "1", "1234", "00", ""},
        {"99:9999:999999.999", "99", "9999", "999999", "999"},
        {"0:75:99", "0", "75", "99", ""},  // values are never range-checked
    }));

INSTANTIATE_TEST_SUITE_P(
    EmptyFields, AcceptedTimeText,
    ::testing::ValuesIn(std::vector<AcceptedCase>{
        {"1::2", "1", "", "2", ""},
        {"1:", "", "1", "", ""},
        {"1:.5", "", "1", "", "5"},
        {"1::", "1", "", "", ""},
        {"12.", "", "", "12", ""},
    }));

// What follows the seconds, or ends the fraction, is never looked at.
INSTANTIATE_TEST_SUITE_P(
    IgnoredTails, AcceptedTimeText,
    ::testing::ValuesIn(std::vector<AcceptedCase>{
        {"1 ", "", "", "1", ""},
        {"1\t", "", "", "1", ""},
        {"1\n", "", "", "1", ""},
        {"12 minutes", "", "", "12", ""},
        {"1\tx:y:z", "", "", "1", ""},
        {"1.5.5", "", "", "1", "5"},
        {"12.5abc", "", "", "12", "5"},
        {"1.5:3", "", "", "1", "5"},
        {"1.5\r", "", "", "1", "5"},
        {"1.5:3:4:5:6", "", "", "1", "5"},
        {"1.", "", "", "1", ""},
        {"1.x", "", "", "1", ""},
        {std::string("1\0" "99999999", 10), "", "", "1", ""},
    }));

struct RejectedCase {
    std::string text;
    const char* message;
};

void PrintTo(const RejectedCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class RejectedTimeText : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedTimeText, GivesExactlyItsMessage) {
    const TimeParseResult parsed = ParseTimeText(GetParam().text.c_str());
    ASSERT_FALSE(parsed.ok());
    EXPECT_STREQ(parsed.error, GetParam().message);
}

constexpr const char kError0[] = "syntax error (0): the first character is not number";
constexpr const char kError1[] = "syntax error (1): too long strings";
constexpr const char kError2[] = "syntax error (2): too long strings";
constexpr const char kError3[] = "syntax error (3): wrong character after second part";
constexpr const char kError4[] = "syntax error (4): too many colons, e.g. 1:02:56:201";

INSTANTIATE_TEST_SUITE_P(
    FirstCharacter, RejectedTimeText,
    ::testing::ValuesIn(std::vector<RejectedCase>{
        {"", kError0},
        {" 1", kError0},
        {"a", kError0},
        {"+1", kError0},
        {"-1", kError0},
        {"::", kError0},
        {".5", kError0},
        {"\xEF\xBC\x91", kError0},  // a full-width digit is not a digit
    }));

INSTANTIATE_TEST_SUITE_P(
    RunTooLong, RejectedTimeText,
    ::testing::ValuesIn(std::vector<RejectedCase>{
        {"12345678", kError1},
        {"1:12345678", kError1},
        {"1:2:123456789", kError1},
        // The eighth digit ends the parse; the bad tail is never reached.
        {"12345678x", kError1},
        {"12345678:1:2:3", kError1},
        {"12.12345678", kError2},
        {"12.123456789x", kError2},
    }));

INSTANTIATE_TEST_SUITE_P(
    AfterSeconds, RejectedTimeText,
    ::testing::ValuesIn(std::vector<RejectedCase>{
        {"12x", kError3},
        {"1\r", kError3},
        {"1-", kError3},
        {"1,5", kError3},
        {"1:30;", kError3},
        {"1\xE9", kError3},
        {"1\x80", kError3},
        // The character test comes before the digit-count limits.
        {"123:00:00x", kError3},
    }));

INSTANTIATE_TEST_SUITE_P(
    Colons, RejectedTimeText,
    ::testing::ValuesIn(std::vector<RejectedCase>{
        {"1:02:56:201", kError4},
        {"1:02:56:", kError4},
        {"1:02:56:.5", kError4},
        {"1:::", kError4},
        // Nothing after the third colon is examined, however long.
        {"1:2:3:123456789", kError4},
    }));

INSTANTIATE_TEST_SUITE_P(
    DigitCountLimits, RejectedTimeText,
    ::testing::ValuesIn(std::vector<RejectedCase>{
        {"1234567", "syntax error (5) : second part "},
        {"1:12345:00", "syntax error (5) : minute part "},
        {"123:00:00", "syntax error (5) : hour part "},
        {"099:00:00", "syntax error (5) : hour part "},  // leading zeros count
        {"12.1234", "syntax error (5) : milli-sec part "},
        {"123:00:00.1234", "syntax error (5) : hour part : milli-sec part "},
        {"1234567:1234567:1234567.1234567",
         "syntax error (5) : hour part : minute part : second part : milli-sec part "},
        {"1:12345:1234567", "syntax error (5) : minute part : second part "},
        // Without the hours the first run is the minutes, and so is judged.
        {"12345:0", "syntax error (5) : minute part "},
    }));

}  // namespace
