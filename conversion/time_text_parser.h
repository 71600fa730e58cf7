#ifndef PELVORO_CONVERSION_TIME_TEXT_PARSER_H
#define PELVORO_CONVERSION_TIME_TEXT_PARSER_H

#include "time_fields.h"

// The time box holds at most this many bytes, the terminating NUL included;
// anything typed beyond the first 199 characters plays no part.
constexpr int kTimeTextCapacity = 200;

struct TimeParseResult {
    TimeFields fields;    // meaningful only when error is null
    const char* error;    // null on success, else one of the fixed messages

    bool ok() const { return error == nullptr; }
};

// Splits "hours:minutes:seconds.fraction" (hours, or hours and minutes, and
// the fraction may be left out) into its digit fields, or rejects the text
// with exactly one message. Never allocates; reads nothing past the NUL.
TimeParseResult ParseTimeText(const char* text);

#endif
