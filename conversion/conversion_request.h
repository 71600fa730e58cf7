#ifndef PELVORO_CONVERSION_CONVERSION_REQUEST_H
#define PELVORO_CONVERSION_CONVERSION_REQUEST_H

#include "frame_computation.h"

// What the rate list reports when no entry is selected.
constexpr int kNoRateSelected = -1;

constexpr const char kInvalidFpsMessage[] = "invalid fps value";

// Either the text for the frame box or the message of the one check that
// failed; a failed conversion must leave the frame box as it was.
struct ConversionOutcome {
    const char* errorMessage;  // null when the conversion succeeded
    FrameText result;          // the frame box text, when it succeeded

    bool ok() const { return errorMessage == nullptr; }
    const char* text() const { return ok() ? result.text : errorMessage; }
};

// One press of convert. The time is checked first, so a bad time with no rate
// selected reports the time's syntax error; then the rate; the first frame is
// numbered 0 only when the "0" button is checked. Keeps nothing between calls.
ConversionOutcome RunConversion(const char* timeText, int rateIndex, bool firstFrameZeroChecked);

#endif
