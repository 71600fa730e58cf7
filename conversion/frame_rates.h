#ifndef PELVORO_CONVERSION_FRAME_RATES_H
#define PELVORO_CONVERSION_FRAME_RATES_H

// The rates the rate list offers, as two parallel tables sharing one index:
// an index of the list is an index of both.
constexpr int kFrameRateLabelCapacity = 10;

extern const double g_frameRates[];
extern const char g_frameRateLabels[][kFrameRateLabelCapacity];
extern const int g_frameRateCount;

#endif
