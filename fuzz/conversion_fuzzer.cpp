// Feeds arbitrary bytes through the whole conversion and checks that every
// outcome is a well-formed frame text or one of the known messages.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>

#include "conversion_request.h"
#include "exact_rate.h"
#include "frame_computation.h"
#include "frame_notation.h"
#include "frame_rates.h"
#include "notation_conversion.h"
#include "time_text_parser.h"
#include "timecode.h"

namespace {

const char* const kFixedMessages[] = {
    "syntax error (0): the first character is not number",
    "syntax error (1): too long strings",
    "syntax error (2): too long strings",
    "syntax error (3): wrong character after second part",
    "syntax error (4): too many colons, e.g. 1:02:56:201",
    "invalid fps value",
};

const char* const kLimitPieces[] = {": hour part ", ": minute part ", ": second part ",
                                    ": milli-sec part "};

bool IsLimitMessage(const char* message) {
    const char prefix[] = "syntax error (5) ";
    if (std::strncmp(message, prefix, sizeof prefix - 1) != 0) return false;
    const char* rest = message + sizeof prefix - 1;
    bool anyPiece = false;
    for (const char* piece : kLimitPieces) {
        const std::size_t length = std::strlen(piece);
        if (std::strncmp(rest, piece, length) == 0) {
            rest += length;
            anyPiece = true;
        }
    }
    return anyPiece && *rest == '\0';
}

const char* const kNotationMessages[] = {kNotAFrameNumber,       kFrameTooLarge,       kFrameBeforeFirst,
                                         kNotATimecode,          kTimecodeAbove59,     kTimecodeFramesTooMany,
                                         kTimecodeNoDropFrame,   kTimecodeSkipped};

bool IsKnownMessage(const char* message) {
    for (const char* known : kFixedMessages) {
        if (std::strcmp(message, known) == 0) return true;
    }
    for (const char* known : kNotationMessages) {
        if (std::strcmp(message, known) == 0) return true;
    }
    return IsLimitMessage(message);
}


bool IsFrameText(const char* text) {
    const char* p = text;
    if (*p < '0' || *p > '9') return false;
    while (*p >= '0' && *p <= '9') ++p;
    if (*p++ != '.') return false;
    for (int i = 0; i < 3; ++i, ++p) {
        if (*p < '0' || *p > '9') return false;
    }
    return *p == '\0';
}

void Fail(const char* what, const char* text) {
    std::fprintf(stderr, "%s: \"%s\"\n", what, text);
    std::abort();
}

// H:MM:SS.mmm
bool IsTimeText(const char* text) {
    const char* p = text;
    if (*p < '0' || *p > '9') return false;
    while (*p >= '0' && *p <= '9') ++p;
    const char shape[] = ":00:00.000";
    for (const char* s = shape; *s; ++s, ++p) {
        if (*s == '0' ? (*p < '0' || *p > '9') : *p != *s) return false;
    }
    return *p == '\0';
}

// HH:MM:SS:FF or HH:MM:SS;FF: hours of two digits or more, frames of two or three.
bool IsTimecodeText(const char* text) {
    const char* p = text;
    auto digits = [&p] {
        int count = 0;
        while (*p >= '0' && *p <= '9') ++p, ++count;
        return count;
    };
    if (digits() < 2 || *p++ != ':') return false;
    if (digits() != 2 || *p++ != ':') return false;
    if (digits() != 2 || (*p != ':' && *p != ';')) return false;
    ++p;
    const int frames = digits();
    return (frames == 2 || frames == 3) && *p == '\0';
}

// The new notations, from the same text at a rate with drop-frame counting:
// each direction's outcome is well formed for its notation or a known
// message, written within its 32 bytes.
void CheckNotations(const char* text) {
    static const ExactRate rate = [] {
        ExactRate r{};
        ParseExactRate("30000/1001", &r);
        return r;
    }();
    ExactRate parsed{};
    ParseExactRate(text, &parsed);  // must not crash nor read past the text
    const Notation kinds[] = {Notation::Time, Notation::Frame, Notation::Timecode};
    for (Notation from : kinds) {
        for (Notation to : kinds) {
            for (bool dropFrame : {false, true}) {
                NotationRequest request;
                request.from = from;
                request.to = to;
                request.rate = &rate;
                request.firstFrame = dropFrame ? 0 : 1;
                request.dropFrameOutput = dropFrame;
                char out[32];
                int length = -1;
                const char* error = ConvertNotation(text, request, out, &length);
                if (error != nullptr) {
                    if (!IsKnownMessage(error)) Fail("unknown message", error);
                    continue;
                }
                if (length < 0 || length > 31 || static_cast<int>(std::strlen(out)) != length) Fail("bad length", out);
                const bool wellFormed = to == Notation::Time    ? IsTimeText(out)
                                        : to == Notation::Frame ? IsFrameText(out)
                                                                : IsTimecodeText(out);
                if (!wellFormed) Fail("malformed value", out);
            }
        }
    }
}

// Any double, not only those a conversion gives: the frame text must be what
// std::to_chars writes with three decimals, or empty where that would not fit.
void CheckAgainstToChars(double value) {
    char expected[kFrameTextCapacity];
    const std::to_chars_result written =
        std::to_chars(expected, expected + kFrameTextCapacity - 1, value, std::chars_format::fixed, 3);
    *(written.ec == std::errc() ? written.ptr : expected) = '\0';
    const FrameText text = FormatFrameValue(value);
    if (std::strcmp(expected, text.text) != 0 || text.length != static_cast<int>(std::strlen(expected))) {
        Fail("differs from to_chars", text.text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // Every eight bytes of the input are also a double of their own.
    for (std::size_t offset = 0; offset + sizeof(double) <= size; offset += sizeof(double)) {
        double value;
        std::memcpy(&value, data + offset, sizeof value);
        CheckAgainstToChars(value);
    }
    // The first byte picks the rate and the first-frame button; the rest is the
    // time text, cut as the time box cuts it, in a buffer of exactly its size
    // so that any read past its NUL is caught.
    const int rateIndex = static_cast<int>(data[0] % 10) - 1;  // -1 (none) to 8 (out of range)
    const bool zeroChecked = (data[0] & 0x80) != 0;
    std::size_t length = size - 1;
    if (length > kTimeTextCapacity - 1) length = kTimeTextCapacity - 1;
    std::unique_ptr<char[]> text(new char[length + 1]);
    std::memcpy(text.get(), data + 1, length);
    text[length] = '\0';

    CheckNotations(text.get());

    const ConversionOutcome outcome = RunConversion(text.get(), rateIndex, zeroChecked);
    if (!outcome.ok()) {
        if (!IsKnownMessage(outcome.errorMessage)) Fail("unknown message", outcome.errorMessage);
        return 0;
    }
    if (!IsFrameText(outcome.result.text)) Fail("malformed frame text", outcome.result.text);

    // The text is what "%.3f" makes of the frame value.
    const TimeParseResult parsed = ParseTimeText(text.get());
    const double value = ComputeFrameValue(parsed.fields, g_frameRates[rateIndex], zeroChecked ? 0 : 1);
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.3f", value);
    if (std::strcmp(expected, outcome.result.text) != 0) Fail("differs from printf", outcome.result.text);
    return 0;
}
