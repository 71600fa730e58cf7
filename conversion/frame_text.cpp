// The frame text: a double with three decimals, as "%.3f" renders it in the
// C locale, computed from the double's exact binary value with integers.
#include <cstdint>
#include <cstring>

#include "frame_computation.h"

namespace {

struct DigitPairs {
    char pairs[200];
};

constexpr DigitPairs BuildDigitPairs() {
    DigitPairs table{};
    for (int i = 0; i < 100; ++i) {
        table.pairs[2 * i] = static_cast<char>('0' + i / 10);
        table.pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return table;
}
constexpr DigitPairs kDigitPairs = BuildDigitPairs();

// Writes the decimal digits of value so that they end at end; returns
// where they begin.
char* WriteDigitsBackward(std::uint64_t value, char* end) {
    while (value >= 100) {
        const std::uint64_t pair = value % 100;
        value /= 100;
        end -= 2;
        std::memcpy(end, kDigitPairs.pairs + 2 * pair, 2);
    }
    if (value >= 10) {
        end -= 2;
        std::memcpy(end, kDigitPairs.pairs + 2 * value, 2);
    } else {
        *--end = static_cast<char>('0' + value);
    }
    return end;
}

constexpr std::uint64_t kPowersOfTen[17] = {1,           10,           100,           1000,           10000,
                                            100000,      1000000,      10000000,      100000000,      1000000000,
                                            10000000000, 100000000000, 1000000000000, 10000000000000,
                                            100000000000000, 1000000000000000, 10000000000000000};

// The number of decimal digits of a value below 10^16, from its bit width,
// without a loop whose length would depend on the value.
int DecimalLength(std::uint64_t value) {
    const int bits = 64 - __builtin_clzll(value | 1);
    const int guess = (bits * 1233) >> 12;  // 1233 / 4096 is just above log10(2)
    return guess + 1 - ((value | 1) < kPowersOfTen[guess] ? 1 : 0);
}

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "digits are built in memory order of a little-endian word");

// The eight digits of a value below 10^8, leading zeros included, as ASCII
// in one word whose first byte in memory is the most significant digit.
// Each step divides every lane of the word at once by a multiply and a shift.
std::uint64_t EightDigits(std::uint32_t value) {
    const std::uint32_t high = value / 10000;
    std::uint64_t x = high | (std::uint64_t{value - high * 10000} << 32);  // two lanes below 10^4
    std::uint64_t y = ((x * 10486) >> 20) & 0x0000007F0000007FULL;              // each lane / 100
    x = y | ((x - y * 100) << 16);                                            // four lanes below 100
    y = ((x * 103) >> 10) & 0x000F000F000F000FULL;                              // each lane / 10
    x = y | ((x - y * 10) << 8);                                              // eight digits
    return x | 0x3030303030303030ULL;
}

// mantissa x 2^-shift x 1000 rounded to the nearest integer, ties to even.
// Exact while mantissa < 2^53: the product stays below 2^63.
std::uint64_t RoundedThousandths(std::uint64_t mantissa, int shift) {
    const std::uint64_t scaled = mantissa * 1000;
    if (shift == 0) return scaled;
    if (shift >= 64) return 0;  // below a two-thousandth: rounds to zero
    const std::uint64_t quotient = scaled >> shift;
    const std::uint64_t remainder = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    // Up when above half, or at half with an odd quotient; no branch, as
    // which way it goes is as good as random.
    return quotient + static_cast<std::uint64_t>(remainder + (quotient & 1) > half);
}

// The digits of mantissa x 2^exponent, a whole number, in base 10^9 limbs
// (least significant first). Four limbs hold every value below 10^36.
int WholeNumberDigits(std::uint64_t mantissa, int exponent, char* end, char** begin) {
    constexpr std::uint32_t kLimbBase = 1000000000;
    std::uint32_t limbs[4] = {static_cast<std::uint32_t>(mantissa % kLimbBase),
                              static_cast<std::uint32_t>(mantissa / kLimbBase), 0, 0};
    for (int i = 0; i < exponent; ++i) {
        std::uint32_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            const std::uint32_t doubled = limb * 2 + carry;
            carry = doubled >= kLimbBase ? 1 : 0;
            limb = doubled - carry * kLimbBase;
        }
    }
    int top = 3;
    while (top > 0 && limbs[top] == 0) --top;
    char* cursor = end;
    for (int i = 0; i < top; ++i) {
        // Inner limbs keep their leading zeros.
        char* limbEnd = cursor;
        cursor = WriteDigitsBackward(limbs[i], cursor);
        while (cursor > limbEnd - 9) *--cursor = '0';
    }
    cursor = WriteDigitsBackward(limbs[top], cursor);
    *begin = cursor;
    return static_cast<int>(end - cursor);
}

// "whole.ddd", written in place; the whole part has at most sixteen digits.
int WholeAndThousandths(bool negative, std::uint64_t whole, unsigned decimals, char* const text) {
    char* out = text;
    if (negative) *out++ = '-';
    const int length = DecimalLength(whole);
    if (__builtin_expect(whole < 100000000, 1)) {
        // One word of eight digits, its leading zeros shifted out.
        const std::uint64_t digits = EightDigits(static_cast<std::uint32_t>(whole)) >> (8 * (8 - length));
        std::memcpy(out, &digits, 8);
    } else {
        const std::uint64_t top = whole / 100000000;
        const std::uint64_t topPart = EightDigits(static_cast<std::uint32_t>(top)) >> (8 * (16 - length));
        const std::uint64_t lowPart = EightDigits(static_cast<std::uint32_t>(whole - top * 100000000));
        std::memcpy(out, &topPart, 8);
        std::memcpy(out + length - 8, &lowPart, 8);
    }
    char* const point = out + length;
    point[0] = '.';
    const unsigned tens = decimals / 10;
    std::memcpy(point + 1, kDigitPairs.pairs + 2 * tens, 2);
    point[3] = static_cast<char>('0' + (decimals - tens * 10));
    point[4] = '\0';
    return static_cast<int>(point + 4 - text);
}

int Finish(bool negative, const char* digits, int length, char* out) {
    const int total = length + (negative ? 1 : 0);
    if (total > kFrameTextCapacity - 1) {  // does not fit: an empty text
        out[0] = '\0';
        return 0;
    }
    if (negative) *out++ = '-';
    std::memcpy(out, digits, static_cast<std::size_t>(length));
    out[length] = '\0';
    return total;
}

// NaN, the infinities and the whole numbers from 2^53 on, rare enough to be
// kept out of the way of the common path.
[[gnu::noinline, gnu::cold]] int WriteRareValue(bool negative, int biasedExponent, std::uint64_t fraction,
                                                char* out) {
    if (biasedExponent == 0x7FF) return Finish(negative, fraction != 0 ? "nan" : "inf", 3, out);
    const int exponent = biasedExponent - 1075;
    // From 10^28 on the text could not fit at all.
    if (exponent > 42) return Finish(negative, "", kFrameTextCapacity, out);
    char buffer[48];
    char* const end = buffer + sizeof buffer;
    std::memcpy(end - 4, ".000", 4);
    char* begin = nullptr;
    const int length = WholeNumberDigits(fraction | (std::uint64_t{1} << 52), exponent, end - 4, &begin);
    return Finish(negative, begin, length + 4, out);
}

}  // namespace

FrameText FormatFrameValue(double frameValue) {
    FrameText result;
    result.length = WriteFrameValue(frameValue, result.text);
    return result;
}

int WriteFrameValue(double frameValue, char* out) {
    std::uint64_t bits;
    std::memcpy(&bits, &frameValue, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    // Every frame value a conversion gives is below 2^53 (biased exponent
    // 1075 and under), where the value is mantissa x 2^-shift.
    if (__builtin_expect(biasedExponent > 1075, 0)) return WriteRareValue(negative, biasedExponent, fraction, out);
    const std::uint64_t mantissa = biasedExponent == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int shift = 1075 - (biasedExponent == 0 ? 1 : biasedExponent);
    // The digits of the whole part start from its exact value, a shift,
    // while the rounding to thousandths goes on beside them; when that
    // rounding carries into the whole part (a fraction from .9995 up) the
    // whole part grows by one.
    std::uint64_t whole = shift < 64 ? mantissa >> shift : 0;
    std::uint64_t decimals = RoundedThousandths(mantissa, shift) - whole * 1000;
    if (decimals >= 1000) {
        whole += 1;
        decimals -= 1000;
    }
    return WholeAndThousandths(negative, whole, static_cast<unsigned>(decimals), out);
}
