#include "frame_computation.h"

#include <cstdint>

double ComputeFrameValue(const TimeFields& fields, double rate, int firstFrame) {
    const std::int32_t whole = DigitFieldValue(fields.seconds) +
                               60 * (DigitFieldValue(fields.minutes) + 60 * DigitFieldValue(fields.hours));
    const double fraction = fields.millis.count > 0 ? Thousandths(fields.millis) * 0.001 : 0.0;
    const double seconds = static_cast<double>(whole) + fraction;
    const double frames = rate * seconds;
    return frames + firstFrame;
}
