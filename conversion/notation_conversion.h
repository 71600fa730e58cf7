#ifndef PELVORO_CONVERSION_NOTATION_CONVERSION_H
#define PELVORO_CONVERSION_NOTATION_CONVERSION_H

#include "exact_rate.h"

// The three notations of a moment in a video: the window's playing time, a
// frame number as the frame box shows it, and SMPTE timecode.
enum class Notation { Time, Frame, Timecode };

struct NotationRequest {
    Notation from = Notation::Time;
    Notation to = Notation::Frame;
    const ExactRate* rate = nullptr;  // null when none was given
    int firstFrame = 1;               // the number of the frame at time zero
    bool dropFrameOutput = false;     // timecode written in drop-frame counting
};

// One value from one notation to another, written at out (room for 32
// bytes). Time to frame is the window's conversion, in its double
// arithmetic; every other direction is exact, in integers: the frame index
// of a time is floor(rate x time), a frame's time is (frame - first) / rate
// rounded to the millisecond (ties to even), a timecode's time the first
// millisecond its frame shows. Returns null with the text's length, or the
// message. Every direction but time to time and time to frame needs a rate,
// and timecode one that counts it (rate->timecode).
const char* ConvertNotation(const char* text, const NotationRequest& request, char* out, int* length);

#endif
