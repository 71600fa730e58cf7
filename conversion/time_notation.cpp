#include "time_notation.h"

namespace {

std::int64_t FieldValue(const DigitField& field) {
    std::int64_t value = 0;
    for (int i = 0; i < field.count; ++i) value = value * 10 + (field.digits[i] - '0');
    return value;
}

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
    // The fraction's digits are thousandths: "5" is 500, "05" is 50.
    std::int64_t thousandths = 0;
    for (int i = 0, place = 100; i < fields.millis.count && i < 3; ++i, place /= 10) {
        thousandths += (fields.millis.digits[i] - '0') * place;
    }
    const std::int64_t seconds =
        FieldValue(fields.seconds) + 60 * (FieldValue(fields.minutes) + 60 * FieldValue(fields.hours));
    return seconds * 1000 + thousandths;
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
