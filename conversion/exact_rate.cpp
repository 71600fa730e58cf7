#include "exact_rate.h"

namespace {

constexpr const char kNotARate[] =
    "is not a rate: write a decimal with at most six decimals or a ratio such as 24000/1001";
constexpr const char kRateOutOfRange[] = "is not a rate from 1 to 1000 frames per second";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A run of digits at *cursor, at most maxDigits long; false when there is
// none or when it is longer.
bool ReadWhole(const char*& cursor, int maxDigits, std::int64_t* value) {
    std::int64_t result = 0;
    int count = 0;
    while (IsDigit(*cursor)) {
        if (++count > maxDigits) return false;
        result = result * 10 + (*cursor++ - '0');
    }
    *value = result;
    return count > 0;
}

}  // namespace

const char* ParseExactRate(const char* text, ExactRate* rate) {
    const char* cursor = text;
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
    if (!ReadWhole(cursor, 10, &numerator)) return kNotARate;
    if (*cursor == '/') {
        ++cursor;
        if (!ReadWhole(cursor, 7, &denominator) || denominator == 0) return kNotARate;
    } else if (*cursor == '.') {
        ++cursor;
        int decimals = 0;
        while (IsDigit(*cursor)) {
            if (++decimals > 6) return kNotARate;
            numerator = numerator * 10 + (*cursor++ - '0');
            denominator *= 10;
        }
        if (decimals == 0) return kNotARate;
    }
    if (*cursor != '\0') return kNotARate;
    if (denominator > kMaxRateDenominator || numerator < denominator || numerator > 1000 * denominator) {
        return kRateOutOfRange;
    }
    rate->numerator = numerator;
    rate->denominator = denominator;
    // Both are exact doubles, and the quotient is rounded once: the double
    // nearest to the rate, which for the window's labels is its table's value.
    rate->value = static_cast<double>(numerator) / static_cast<double>(denominator);
    rate->nominal = static_cast<int>((2 * numerator + denominator) / (2 * denominator));
    const std::int64_t off = numerator - rate->nominal * denominator;
    rate->timecode = 500 * (off < 0 ? -off : off) <= rate->nominal * denominator;
    rate->dropFrame = rate->timecode && (rate->nominal == 30 || rate->nominal == 60) && off != 0;
    return nullptr;
}
