#include "frame_rates.h"

// The values are the decimal numbers as labelled (29.97, not 30000/1001):
// results are meant to match the labels a user picks.
const double g_frameRates[] = {23.976, 24, 29.97, 30, 59.94, 60, 119.88, 120};

const char g_frameRateLabels[][kFrameRateLabelCapacity] = {
    "23.976", "24", "29.97", "30", "59.94", "60", "119.88", "120",
};

const int g_frameRateCount = sizeof g_frameRates / sizeof g_frameRates[0];

static_assert(sizeof g_frameRates / sizeof g_frameRates[0] ==
                  sizeof g_frameRateLabels / sizeof g_frameRateLabels[0],
              "every rate needs its label");
