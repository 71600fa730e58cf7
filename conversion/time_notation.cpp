#include "time_notation.h"

namespace {

// Writes value with at least width digits backwards from end; returns where it begins.
char* Digits(std::int64_t value, int width, char* end) {
    do {
        *--end = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (--width > 0 || value > 0);
    return end;
}

}  // namespace

std::int64_t TimeMilliseconds(const TimeFields& fields) {
    const std::int64_t seconds = DigitFieldValue(fields.seconds) +
                                 60 * (DigitFieldValue(fields.minutes) + 60 * std::int64_t{DigitFieldValue(fields.hours)});
    return seconds * 1000 + Thousandths(fields.millis);
}

int WriteTimeText(std::int64_t milliseconds, char* out) {
    char buffer[32];
    char* const end = buffer + sizeof buffer;
    char* p = Digits(milliseconds % 1000, 3, end);
    *--p = '.';
    p = Digits(milliseconds / 1000 % 60, 2, p);
    *--p = ':';
    p = Digits(milliseconds / 60000 % 60, 2, p);
    *--p = ':';
    p = Digits(milliseconds / 3600000, 1, p);
    const int length = static_cast<int>(end - p);
    for (int i = 0; i < length; ++i) out[i] = p[i];
    out[length] = '\0';
    return length;
}
