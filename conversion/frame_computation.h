#ifndef PELVORO_CONVERSION_FRAME_COMPUTATION_H
#define PELVORO_CONVERSION_FRAME_COMPUTATION_H

#include "time_fields.h"

// Room for the three-decimal text of any frame value below 1e27; the largest
// time the parser accepts, at the fastest rate, needs 13 characters.
constexpr int kFrameTextCapacity = 32;

struct FrameText {
    char text[kFrameTextCapacity];  // NUL-terminated
    int length;                     // of the text, the NUL not counted
};

// rate x seconds + firstFrame, each step rounded to a double. The first-frame
// number is the number of the frame shown at time zero.
double ComputeFrameValue(const TimeFields& fields, double rate, int firstFrame);

// The value as "%.3f" renders it in the C locale, whatever the process locale
// or platform: the exact binary value rounded to thousandths, ties to even,
// with integers only. A value whose text would not fit yields an empty text.
FrameText FormatFrameValue(double frameValue);

// The same text written at out, which has room for kFrameTextCapacity
// bytes; returns its length, the NUL not counted.
int WriteFrameValue(double frameValue, char* out);

#endif
