#include "timecode.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exactly two digits at *cursor.
bool ReadTwoDigits(const char*& cursor, int* value) {
    if (!IsDigit(cursor[0]) || !IsDigit(cursor[1])) return false;
    *value = (cursor[0] - '0') * 10 + (cursor[1] - '0');
    cursor += 2;
    return true;
}

// The frame numbers drop-frame counting skips each minute: 2 at nominal
// 30, 4 at nominal 60.
int DroppedPerMinute(int nominal) { return nominal / 15; }

char* TwoOrMoreDigits(std::int64_t value, char* end) {
    int width = 2;
    do {
        *--end = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (--width > 0 || value > 0);
    return end;
}

}  // namespace

const char* ParseTimecode(const char* text, const ExactRate& rate, Timecode* timecode) {
    const char* cursor = text;
    Timecode result{};
    if (!IsDigit(cursor[0])) return kNotATimecode;
    result.hours = *cursor++ - '0';
    if (IsDigit(*cursor)) result.hours = result.hours * 10 + (*cursor++ - '0');
    if (*cursor++ != ':' || !ReadTwoDigits(cursor, &result.minutes)) return kNotATimecode;
    if (*cursor++ != ':' || !ReadTwoDigits(cursor, &result.seconds)) return kNotATimecode;
    const char separator = *cursor++;
    if (separator != ':' && separator != ';' && separator != '.') return kNotATimecode;
    if (!ReadTwoDigits(cursor, &result.frames)) return kNotATimecode;
    // Above 100 frames a second, the frames take a third digit.
    if (rate.nominal > 100 && IsDigit(*cursor)) result.frames = result.frames * 10 + (*cursor++ - '0');
    if (*cursor != '\0') return kNotATimecode;
    result.dropFrame = separator != ':';
    if (result.minutes > 59 || result.seconds > 59) return kTimecodeAbove59;
    if (result.frames >= rate.nominal) return kTimecodeFramesTooMany;
    if (result.dropFrame) {
        if (!rate.dropFrame) return kTimecodeNoDropFrame;
        if (result.seconds == 0 && result.frames < DroppedPerMinute(rate.nominal) && result.minutes % 10 != 0) {
            return kTimecodeSkipped;
        }
    }
    *timecode = result;
    return nullptr;
}

std::int64_t TimecodeToIndex(const Timecode& timecode, int nominal) {
    const std::int64_t totalMinutes = 60 * timecode.hours + timecode.minutes;
    std::int64_t index = ((timecode.hours * 60 + timecode.minutes) * 60 + timecode.seconds) * nominal + timecode.frames;
    // Each minute but the tenth ones leaves out its first numbers.
    if (timecode.dropFrame) index -= DroppedPerMinute(nominal) * (totalMinutes - totalMinutes / 10);
    return index;
}

Timecode IndexToTimecode(std::int64_t index, int nominal, bool dropFrame) {
    std::int64_t number = index;  // the frame number the timecode shows
    if (dropFrame) {
        const int dropped = DroppedPerMinute(nominal);
        const std::int64_t perTenMinutes = 600 * nominal - 9 * dropped;
        const std::int64_t perMinute = 60 * nominal - dropped;
        const std::int64_t tens = index / perTenMinutes;
        const std::int64_t rest = index % perTenMinutes;
        // The first minute of ten keeps all its numbers, the nine others
        // skip theirs.
        number += 9 * dropped * tens + (rest > dropped ? dropped * ((rest - dropped) / perMinute) : 0);
    }
    Timecode timecode;
    timecode.frames = static_cast<int>(number % nominal);
    timecode.seconds = static_cast<int>(number / nominal % 60);
    timecode.minutes = static_cast<int>(number / (60 * nominal) % 60);
    timecode.hours = number / (3600 * static_cast<std::int64_t>(nominal));
    timecode.dropFrame = dropFrame;
    return timecode;
}

int WriteTimecode(const Timecode& timecode, char* out) {
    char buffer[32];
    char* const end = buffer + sizeof buffer;
    char* p = TwoOrMoreDigits(timecode.frames, end);
    *--p = timecode.dropFrame ? ';' : ':';
    p = TwoOrMoreDigits(timecode.seconds, p);
    *--p = ':';
    p = TwoOrMoreDigits(timecode.minutes, p);
    *--p = ':';
    p = TwoOrMoreDigits(timecode.hours, p);
    const int length = static_cast<int>(end - p);
    for (int i = 0; i < length; ++i) out[i] = p[i];
    out[length] = '\0';
    return length;
}
