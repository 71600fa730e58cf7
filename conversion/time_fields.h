#ifndef PELVORO_CONVERSION_TIME_FIELDS_H
#define PELVORO_CONVERSION_TIME_FIELDS_H

#include <cstdint>

// One run of typed digits, kept as text: the digit-count limits are on what
// was typed, so leading zeros must survive until they have been counted.
struct DigitField {
    char digits[12];      // '0'..'9' followed by a NUL; at most 7 digits
    std::int32_t count;   // 0 means the field was left empty and stands for 0
};

// A parsed playing time. The fraction is "millis": the digits typed after the
// point, read later as thousandths.
struct TimeFields {
    DigitField hours;
    DigitField minutes;
    DigitField seconds;
    DigitField millis;
};

// The decimal value of a field's digits; an empty field is 0. Leading zeros
// are allowed (007 is 7).
inline std::int32_t DigitFieldValue(const DigitField& field) {
    std::int32_t value = 0;
    for (int i = 0; i < field.count; ++i) value = value * 10 + (field.digits[i] - '0');
    return value;
}

// The fraction's digits as thousandths: "5" is 500, "05" is 50, "005" is 5.
inline std::int32_t Thousandths(const DigitField& millis) {
    std::int32_t value = 0;
    for (int i = 0, place = 100; i < millis.count && i < 3; ++i, place /= 10) value += (millis.digits[i] - '0') * place;
    return value;
}

#endif
