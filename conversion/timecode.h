#ifndef PELVORO_CONVERSION_TIMECODE_H
#define PELVORO_CONVERSION_TIMECODE_H

#include <cstdint>

#include "exact_rate.h"

constexpr const char kNotATimecode[] = "timecode error: not of the form HH:MM:SS:FF";
constexpr const char kTimecodeAbove59[] = "timecode error: minutes or seconds above 59";
constexpr const char kTimecodeFramesTooMany[] = "timecode error: frames not below the nominal rate";
constexpr const char kTimecodeNoDropFrame[] =
    "timecode error: drop-frame timecode at a rate without drop-frame counting";
constexpr const char kTimecodeSkipped[] = "timecode error: a frame number that drop-frame counting skips";

// SMPTE timecode: HH:MM:SS:FF counts nominal frames a second; HH:MM:SS;FF
// (or with a point) is drop-frame counting, which at nominal 30 leaves out
// the frame numbers 00 and 01 (at 60, 00 to 03) at the start of every minute
// but the tenth ones.
struct Timecode {
    std::int64_t hours;  // not wrapped at 24
    int minutes;
    int seconds;
    int frames;
    bool dropFrame;
};

// Reads hours of one or two digits and minutes, seconds and frames of two
// (frames of up to three above 100 frames a second), checked against the
// rate; returns null, or the message.
const char* ParseTimecode(const char* text, const ExactRate& rate, Timecode* timecode);

// The frame index a timecode counts to, and the timecode of a frame index.
std::int64_t TimecodeToIndex(const Timecode& timecode, int nominal);
Timecode IndexToTimecode(std::int64_t index, int nominal, bool dropFrame);

// Every part of two digits, the hours (and frames above 100) more where needed. Writes at most 32
// bytes at out, the NUL included; returns the length.
int WriteTimecode(const Timecode& timecode, char* out);

#endif
