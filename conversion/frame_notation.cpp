#include "frame_notation.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

const char* ParseFrameText(const char* text, std::int64_t* thousandths) {
    const char* cursor = text;
    std::int64_t whole = 0;
    int digits = 0;
    while (IsDigit(*cursor)) {
        if (++digits > 9) return kFrameTooLarge;
        whole = whole * 10 + (*cursor++ - '0');
    }
    if (digits == 0) return kNotAFrameNumber;
    std::int64_t fraction = 0;
    if (*cursor == '.') {
        ++cursor;
        int decimals = 0;
        for (int place = 100; IsDigit(*cursor); place /= 10) {
            if (++decimals > 3) return kNotAFrameNumber;
            fraction += (*cursor++ - '0') * place;
        }
        if (decimals == 0) return kNotAFrameNumber;
    }
    if (*cursor != '\0') return kNotAFrameNumber;
    *thousandths = whole * 1000 + fraction;
    return nullptr;
}

int WriteFrameThousandths(std::int64_t thousandths, char* out) {
    char buffer[32];
    char* const end = buffer + sizeof buffer;
    char* p = end;
    std::int64_t value = thousandths;
    for (int i = 0; i < 3; ++i, value /= 10) *--p = static_cast<char>('0' + value % 10);
    *--p = '.';
    do {
        *--p = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    const int length = static_cast<int>(end - p);
    for (int i = 0; i < length; ++i) out[i] = p[i];
    out[length] = '\0';
    return length;
}
