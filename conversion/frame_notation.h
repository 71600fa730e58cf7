#ifndef PELVORO_CONVERSION_FRAME_NOTATION_H
#define PELVORO_CONVERSION_FRAME_NOTATION_H

#include <cstdint>

constexpr const char kNotAFrameNumber[] = "frame error: not a frame number, such as 300 or 300.700";
constexpr const char kFrameTooLarge[] = "frame error: more than nine digits before the point";
constexpr const char kFrameBeforeFirst[] = "frame error: before the first frame";

// A frame number as the frame box shows it: one to nine digits, then
// optionally a point and one to three digits (300, 300.7, 300.700).
// Returns null with the value in thousandths of a frame, or the message.
const char* ParseFrameText(const char* text, std::int64_t* thousandths);

// The frame box's text: the whole frames, a point and three decimals.
// Writes at most 32 bytes at out, the NUL included; returns the length.
int WriteFrameThousandths(std::int64_t thousandths, char* out);

#endif
