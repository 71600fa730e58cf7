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

#endif
