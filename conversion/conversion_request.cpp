#include "conversion_request.h"

#include "frame_rates.h"
#include "time_text_parser.h"

namespace {

// The request with the frame text written at out (room for
// kFrameTextCapacity bytes). Returns the message of the check that failed,
// or null with the text's length in *length.
const char* RunConversionInto(const char* timeText, int rateIndex, bool firstFrameZeroChecked, char* out,
                              int* length) {
    const TimeParseResult parsed = ParseTimeText(timeText);
    if (!parsed.ok()) return parsed.error;
    // Any index outside the table counts as no selection rather than a read
    // past its end.
    if (rateIndex < 0 || rateIndex >= g_frameRateCount) return kInvalidFpsMessage;
    const int firstFrame = firstFrameZeroChecked ? 0 : 1;
    *length = WriteFrameValue(ComputeFrameValue(parsed.fields, g_frameRates[rateIndex], firstFrame), out);
    return nullptr;
}

}  // namespace

ConversionOutcome RunConversion(const char* timeText, int rateIndex, bool firstFrameZeroChecked) {
    ConversionOutcome outcome;
    // The text is made in its place in the outcome, not copied there.
    outcome.errorMessage =
        RunConversionInto(timeText, rateIndex, firstFrameZeroChecked, outcome.result.text, &outcome.result.length);
    if (outcome.errorMessage != nullptr) {
        outcome.result.text[0] = '\0';
        outcome.result.length = 0;
    }
    return outcome;
}
