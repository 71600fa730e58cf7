#include "frame_computation.h"

#include <cstdint>

namespace {

std::int32_t FieldValue(const DigitField& field) {
    std::int32_t value = 0;
    for (int i = 0; i < field.count; ++i) value = value * 10 + (field.digits[i] - '0');
    return value;
}

// The typed fraction digits as thousandths: "5" is 500, "05" is 50.
std::int32_t Thousandths(const DigitField& millis) {
    static constexpr std::int32_t kPlace[3] = {100, 10, 1};
    std::int32_t value = 0;
    for (int i = 0; i < millis.count && i < 3; ++i) value += (millis.digits[i] - '0') * kPlace[i];
    return value;
}

}  // namespace

double ComputeFrameValue(const TimeFields& fields, double rate, int firstFrame) {
    const std::int32_t whole = FieldValue(fields.seconds) +
                               60 * (FieldValue(fields.minutes) + 60 * FieldValue(fields.hours));
    const double fraction = fields.millis.count > 0 ? Thousandths(fields.millis) * 0.001 : 0.0;
    const double seconds = static_cast<double>(whole) + fraction;
    const double frames = rate * seconds;
    return frames + firstFrame;
}
