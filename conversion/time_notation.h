#ifndef PELVORO_CONVERSION_TIME_NOTATION_H
#define PELVORO_CONVERSION_TIME_NOTATION_H

#include <cstdint>

#include "time_fields.h"

// The time the user typed, exactly, in milliseconds (1:02:03.5 is 3723500).
std::int64_t TimeMilliseconds(const TimeFields& fields);

// "H:MM:SS.mmm": the hours with as many digits as they need, minutes and
// seconds of two, three decimals. Writes at most 32 bytes at out, the NUL
// included; returns the length.
int WriteTimeText(std::int64_t milliseconds, char* out);

#endif
