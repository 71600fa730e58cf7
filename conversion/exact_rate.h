#ifndef PELVORO_CONVERSION_EXACT_RATE_H
#define PELVORO_CONVERSION_EXACT_RATE_H

#include <cstdint>

// A frame rate as written: a decimal with at most six decimals (23.976 is
// 23976/1000) or a ratio of two whole numbers (24000/1001), from 1 to 1000
// frames per second. The bounds keep every exact step within 64 bits.
struct ExactRate {
    std::int64_t numerator;    // frames ...
    std::int64_t denominator;  // ... per this many seconds, at most 10^6
    double value;              // the double nearest to the rate, as the window computes with
    int nominal;               // the whole number nearest to it, the frames a timecode second counts
    bool timecode;             // within 0.2% of its nominal rate: whole rates and their 1000/1001 kin
    bool dropFrame;            // drop-frame counting exists: nominal 30 or 60, and not whole
};

constexpr std::int64_t kMaxRateDenominator = 1000000;

// Reads a rate; returns null, or the usage problem with it.
const char* ParseExactRate(const char* text, ExactRate* rate);

#endif
