#include "conversion_request.h"

#include "frame_rates.h"
#include "time_text_parser.h"

ConversionOutcome RunConversion(const char* timeText, int rateIndex, bool firstFrameZeroChecked) {
    const TimeParseResult parsed = ParseTimeText(timeText);
    if (!parsed.ok()) return ConversionOutcome{parsed.error, {}};
    // Any index outside the table counts as no selection rather than a read
    // past its end.
    if (rateIndex < 0 || rateIndex >= g_frameRateCount) return ConversionOutcome{kInvalidFpsMessage, {}};
    const int firstFrame = firstFrameZeroChecked ? 0 : 1;
    // The text is made in its place in the outcome, not copied there.
    return ConversionOutcome{nullptr,
                             FormatFrameValue(ComputeFrameValue(parsed.fields, g_frameRates[rateIndex], firstFrame))};
}
