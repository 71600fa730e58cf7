#include "time_text_parser.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr int kMaxRunDigits = 7;

constexpr const char kFirstCharacterNotNumber[] =
    "syntax error (0): the first character is not number";
constexpr const char kFieldTooLong[] = "syntax error (1): too long strings";
constexpr const char kFractionTooLong[] = "syntax error (2): too long strings";
constexpr const char kWrongCharacterAfterSeconds[] =
    "syntax error (3): wrong character after second part";
constexpr const char kTooManyColons[] =
    "syntax error (4): too many colons, e.g. 1:02:56:201";

// The digit-count limits, in the order their pieces appear in the message.
struct DigitLimit {
    DigitField TimeFields::*field;
    int maxDigits;
    const char* piece;
};
constexpr DigitLimit kDigitLimits[] = {
    {&TimeFields::hours, 2, ": hour part "},
    {&TimeFields::minutes, 4, ": minute part "},
    {&TimeFields::seconds, 6, ": second part "},
    {&TimeFields::millis, 3, ": milli-sec part "},
};
constexpr int kLimitCount = sizeof kDigitLimits / sizeof kDigitLimits[0];

// Every combination of exceeded limits has its message built at compile
// time, so reporting one needs no buffer and no allocation.
struct LimitMessages {
    char text[1 << kLimitCount][96];
};

constexpr LimitMessages BuildLimitMessages() {
    LimitMessages messages{};
    for (int mask = 1; mask < (1 << kLimitCount); ++mask) {
        char* out = messages.text[mask];
        for (const char* p = "syntax error (5) "; *p; ++p) *out++ = *p;
        for (int i = 0; i < kLimitCount; ++i) {
            if (mask & (1 << i)) {
                for (const char* p = kDigitLimits[i].piece; *p; ++p) *out++ = *p;
            }
        }
        *out = '\0';
    }
    return messages;
}
constexpr LimitMessages kLimitMessages = BuildLimitMessages();

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A run of digits as it is read: its characters gathered in a word (first
// digit in the lowest byte, so that stored it reads as the text with its
// NUL), stored into its field once its place is known. Writing the field
// whole, rather than a character at a time, spares the reads that follow a
// stall on each character just written.
struct DigitRun {
    std::uint64_t characters = 0;
    std::int32_t count = 0;

    void StoreInto(DigitField& field) const {
        std::memcpy(field.digits, &characters, sizeof characters);
        field.count = count;
    }
};

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "a run's word is stored as its text");

// Reads the run of digits at *cursor and advances past it. Returns false as
// soon as an eighth digit has been read.
inline bool ReadDigitRun(const char*& cursor, DigitRun& run) {
    std::uint64_t characters = 0;
    int count = 0;
    while (IsDigit(*cursor)) {
        if (count == kMaxRunDigits) return false;
        characters |= std::uint64_t{static_cast<unsigned char>(*cursor++)} << (8 * count++);
    }
    run.characters = characters;
    run.count = count;
    return true;
}

}  // namespace

TimeParseResult ParseTimeText(const char* text) {
    TimeParseResult result{};
    if (!IsDigit(text[0])) {
        result.error = kFirstCharacterNotNumber;
        return result;
    }

    // Colon-separated runs; which of them are hours, minutes and seconds is
    // only known once the last one has been read.
    DigitRun runs[3];
    int colons = 0;
    const char* cursor = text;
    for (;;) {
        if (!ReadDigitRun(cursor, runs[colons])) {
            result.error = kFieldTooLong;
            return result;
        }
        if (*cursor != ':') break;
        ++cursor;
        if (++colons == 3) {
            result.error = kTooManyColons;
            return result;
        }
    }

    TimeFields& fields = result.fields;
    switch (*cursor) {
    case '.': {
        ++cursor;
        // Whatever ends the fraction is not examined.
        DigitRun millis;
        if (!ReadDigitRun(cursor, millis)) {
            result.error = kFractionTooLong;
            return result;
        }
        millis.StoreInto(fields.millis);
        break;
    }
    case '\0':
    case ' ':
    case '\n':
    case '\t':
        break;  // millis stays empty; the rest of the text is ignored
    default:
        result.error = kWrongCharacterAfterSeconds;
        return result;
    }

    // The last run read is always the seconds; fields not given stay empty.
    switch (colons) {
    case 0:
        runs[0].StoreInto(fields.seconds);
        break;
    case 1:
        runs[0].StoreInto(fields.minutes);
        runs[1].StoreInto(fields.seconds);
        break;
    default:
        runs[0].StoreInto(fields.hours);
        runs[1].StoreInto(fields.minutes);
        runs[2].StoreInto(fields.seconds);
        break;
    }

    int exceeded = 0;
    for (int i = 0; i < kLimitCount; ++i) {
        if ((fields.*kDigitLimits[i].field).count > kDigitLimits[i].maxDigits) {
            exceeded |= 1 << i;
        }
    }
    if (exceeded != 0) result.error = kLimitMessages.text[exceeded];
    return result;
}
