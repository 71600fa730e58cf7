#include "notation_conversion.h"

#include <cstdint>

#include "conversion_request.h"
#include "frame_computation.h"
#include "frame_notation.h"
#include "time_notation.h"
#include "time_text_parser.h"
#include "timecode.h"

namespace {

// numerator / divisor for numerator >= 0, rounded as named.
std::int64_t DivideRoundingDown(std::int64_t numerator, std::int64_t divisor) { return numerator / divisor; }

std::int64_t DivideRoundingUp(std::int64_t numerator, std::int64_t divisor) {
    return (numerator + divisor - 1) / divisor;
}

std::int64_t DivideRoundingToEven(std::int64_t numerator, std::int64_t divisor) {
    std::int64_t quotient = numerator / divisor;
    const std::int64_t twiceRemainder = 2 * (numerator % divisor);
    if (twiceRemainder > divisor || (twiceRemainder == divisor && quotient % 2 != 0)) ++quotient;
    return quotient;
}

// The frame index from which on, at the output's counting, the index shows.
int WriteIndex(std::int64_t index, const NotationRequest& request, char* out) {
    switch (request.to) {
    case Notation::Frame:
        return WriteFrameThousandths((index + request.firstFrame) * 1000, out);
    case Notation::Time:
        // The first millisecond at which the frame shows.
        return WriteTimeText(DivideRoundingUp(index * 1000 * request.rate->denominator, request.rate->numerator), out);
    case Notation::Timecode:
    default:
        return WriteTimecode(IndexToTimecode(index, request.rate->nominal, request.dropFrameOutput), out);
    }
}

}  // namespace

const char* ConvertNotation(const char* text, const NotationRequest& request, char* out, int* length) {
    const ExactRate* rate = request.rate;
    switch (request.from) {
    case Notation::Time: {
        const TimeParseResult parsed = ParseTimeText(text);
        if (!parsed.ok()) return parsed.error;
        if (request.to == Notation::Time) {
            *length = WriteTimeText(TimeMilliseconds(parsed.fields), out);
            return nullptr;
        }
        if (rate == nullptr) return kInvalidFpsMessage;
        if (request.to == Notation::Frame) {
            *length = WriteFrameValue(ComputeFrameValue(parsed.fields, rate->value, request.firstFrame), out);
            return nullptr;
        }
        // The frame showing at that time: floor(rate x time), exactly.
        const std::int64_t index =
            DivideRoundingDown(rate->numerator * TimeMilliseconds(parsed.fields), rate->denominator * 1000);
        *length = WriteIndex(index, request, out);
        return nullptr;
    }
    case Notation::Frame: {
        std::int64_t thousandths = 0;
        if (const char* error = ParseFrameText(text, &thousandths)) return error;
        if (request.to == Notation::Frame) {
            *length = WriteFrameThousandths(thousandths, out);
            return nullptr;
        }
        if (rate == nullptr) return kInvalidFpsMessage;
        const std::int64_t sinceFirst = thousandths - 1000 * static_cast<std::int64_t>(request.firstFrame);
        if (sinceFirst < 0) return kFrameBeforeFirst;
        if (request.to == Notation::Time) {
            // (frame - first) / rate seconds is sinceFirst x denominator / numerator milliseconds.
            *length = WriteTimeText(DivideRoundingToEven(sinceFirst * rate->denominator, rate->numerator), out);
            return nullptr;
        }
        *length = WriteIndex(sinceFirst / 1000, request, out);
        return nullptr;
    }
    case Notation::Timecode:
    default: {
        if (rate == nullptr) return kInvalidFpsMessage;
        Timecode timecode;
        if (const char* error = ParseTimecode(text, *rate, &timecode)) return error;
        *length = WriteIndex(TimecodeToIndex(timecode, rate->nominal), request, out);
        return nullptr;
    }
    }
}
