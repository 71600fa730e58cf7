#include "conversion_request.h"

#include "frame_rates.h"
#include "time_text_parser.h"

ConversionOutcome RunConversion(const char* timeText, int rateIndex, bool firstFrameZeroChecked) {
    ConversionOutcome outcome;
    const TimeParseResult parsed = ParseTimeText(timeText);
    if (!parsed.ok()) {
        outcome.errorMessage = parsed.error;
        return outcome;
    }
    // Any index outside the table counts as no selection rather than a read
    // past its end.
    if (rateIndex < 0 || rateIndex >= g_frameRateCount) {
        outcome.errorMessage = kInvalidFpsMessage;
        return outcome;
    }
    const int firstFrame = firstFrameZeroChecked ? 0 : 1;
    outcome.errorMessage = nullptr;
    outcome.result = FormatFrameValue(
        ComputeFrameValue(parsed.fields, g_frameRates[rateIndex], firstFrame));
    return outcome;
}
