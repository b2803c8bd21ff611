#include "color/exact_decimal.h"

#include <bit>

namespace pixo {

namespace {

// One digit more than is kept, to round at the last kept one. 10^19 - 1 still fits in 64 bits.
constexpr int kCollect = DecimalDigits::kDigits + 1;

// The leading significant digits as an integer, most significant first; leading zeros are not taken.
struct DigitAccumulator {
    std::uint64_t value = 0;
    int count = 0;

    bool Full() const { return count == kCollect; }
    // Takes digit d; returns false for a leading zero.
    bool Push(unsigned d) {
        if (count == 0 && d == 0)
            return false;
        if (count < kCollect) {
            value = value * 10 + d;
            ++count;
        }
        return true;
    }
};

constexpr std::uint64_t kBillion = 1000000000u;
constexpr std::uint64_t kPow10[] = {1u, 10u, 100u, 1000u, 10000u, 100000u, 1000000u, 10000000u, 100000000u, kBillion};

int DigitCount(std::uint64_t u) {
    int n = 0;
    for (; u != 0; u /= 10)
        ++n;
    return n;
}

// A large unsigned number in 32-bit words, least significant first. 36 words hold the integer part of
// the largest double (1024 bits) as well as the fraction of the smallest one (1074 bits).
struct Words {
    static constexpr int kCapacity = 36;
    std::uint32_t w[kCapacity] = {};
};

// x = m x 2^shift, which must fit in `size` words.
void SetShifted(Words& x, std::uint64_t m, int shift, int size) {
    const int word = shift / 32;
    const int bit = shift % 32;
    const std::uint64_t lo = m << bit;
    const std::uint64_t hi = bit == 0 ? 0 : m >> (64 - bit);
    const std::uint32_t parts[4] = {static_cast<std::uint32_t>(lo), static_cast<std::uint32_t>(lo >> 32),
                                    static_cast<std::uint32_t>(hi), static_cast<std::uint32_t>(hi >> 32)};
    for (int i = 0; i < 4 && word + i < size; ++i)
        x.w[word + i] = parts[i];
}

// Takes the digits of the integer m x 2^shift, too large for 64 bits, and returns how many it has.
// All digits are produced (by division by 10^9), since the leading ones come last.
int PushLargeInteger(DigitAccumulator& acc, std::uint64_t m, int shift) {
    Words x;
    int top = shift / 32 + 3;
    SetShifted(x, m, shift, top);
    unsigned char rev[Words::kCapacity * 10];
    int n = 0;
    while (top > 0 && x.w[top - 1] == 0)
        --top;
    while (top > 0) {
        std::uint64_t rem = 0;
        for (int i = top - 1; i >= 0; --i) {
            const std::uint64_t cur = (rem << 32) | x.w[i];
            x.w[i] = static_cast<std::uint32_t>(cur / 1000000000u);
            rem = cur % 1000000000u;
        }
        while (top > 0 && x.w[top - 1] == 0)
            --top;
        // A full group of nine digits, except for the most significant group.
        for (int i = 0; i < 9 && (top > 0 || rem != 0); ++i, rem /= 10)
            rev[n++] = static_cast<unsigned char>(rem % 10);
    }
    for (int i = n - 1; i >= 0 && !acc.Full(); --i)
        acc.Push(rev[i]);
    return n;
}

// Takes the digits of the fraction f / 2^k (0 < f < 2^k, k > 63) until enough are held or the fraction
// is used up. Returns the number of zeros after the point before the first significant digit.
int PushLongFraction(DigitAccumulator& acc, std::uint64_t f, int k) {
    // Scaled to a denominator of 2^(32 x size), each multiplication by 10 carries the next digit out of
    // the top word.
    Words x;
    const int size = (k + 31) / 32;
    SetShifted(x, f, size * 32 - k, size);
    int leadingZeros = 0;
    int low = 0;  // words below `low` are zero and stay zero under multiplication
    while (low < size && x.w[low] == 0)
        ++low;
    while (low < size && !acc.Full()) {
        std::uint64_t carry = 0;
        for (int i = low; i < size; ++i) {
            const std::uint64_t cur = std::uint64_t{x.w[i]} * 10 + carry;
            x.w[i] = static_cast<std::uint32_t>(cur);
            carry = cur >> 32;
        }
        if (!acc.Push(static_cast<unsigned>(carry)))
            ++leadingZeros;
        while (low < size && x.w[low] == 0)
            ++low;
    }
    return leadingZeros;
}

}  // namespace

DecimalDigits ExactDecimalDigits(double v) {
    DecimalDigits result;
    const auto bits = std::bit_cast<std::uint64_t>(v);
    result.negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    int e2 = -1074;  // |v| = m x 2^e2
    if (biased != 0) {
        m |= std::uint64_t{1} << 52;
        e2 = biased - 1075;
    }
    if (m == 0)
        return result;
    const int trailing = std::countr_zero(m);
    m >>= trailing;
    e2 += trailing;

    std::uint64_t digits = 0;  // the first significant digits as an integer
    int count = 0;             // how many digits `digits` holds
    int exponent = 0;
    if (e2 < 0 && e2 >= -63) {
        // The usual case: a whole part below 2^53 and a fraction f / 2^k of at most 63 bits. Nine digits
        // at a time: f x 10^9 is formed in two 64-bit halves; its bits above the binary point are the
        // next nine digits and the bits below it the fraction that remains.
        const int k = -e2;
        const std::uint64_t mask = (std::uint64_t{1} << k) - 1;
        std::uint64_t fraction = m & mask;
        digits = m >> k;
        count = DigitCount(digits);
        exponent = count;
        while (fraction != 0 && count < kCollect) {
            std::uint64_t chunk = 0;  // nine digits, leading zeros included
            if (k <= 32) {
                const std::uint64_t product = fraction * kBillion;  // < 2^62
                chunk = product >> k;
                fraction = product & mask;
            } else {
                const std::uint64_t low = (fraction & 0xFFFFFFFFu) * kBillion;         // < 2^62
                const std::uint64_t high = (fraction >> 32) * kBillion + (low >> 32);  // < 2^62
                chunk = high >> (k - 32);
                fraction = ((high & (mask >> 32)) << 32) | (low & 0xFFFFFFFFu);
            }
            int take = 9;
            if (digits == 0) {  // leading zeros of the fraction move the exponent
                take = DigitCount(chunk);
                exponent -= 9 - take;
            }
            if (take > kCollect - count) {
                chunk /= kPow10[take - (kCollect - count)];
                take = kCollect - count;
            }
            digits = digits * kPow10[take] + chunk;
            count += take;
        }
    } else {
        DigitAccumulator acc;
        if (e2 >= 0 && e2 <= 11) {  // m x 2^e2 < 2^64
            const std::uint64_t whole = m << e2;
            exponent = DigitCount(whole);
            acc.value = whole;
            acc.count = exponent;
            for (; acc.count > kCollect; --acc.count)
                acc.value /= 10;  // digits past the 19th do not matter to rounding half up at the 18th
        } else if (e2 > 11) {
            exponent = PushLargeInteger(acc, m, e2);
        } else {  // more than 63 fractional bits: below 2^-11, so no whole part
            exponent = -PushLongFraction(acc, m, -e2);
        }
        digits = acc.value;
        count = acc.count;
    }

    for (; count < kCollect; ++count)
        digits *= 10;
    constexpr std::uint64_t kTop = 1000000000000000000u;  // 10^18
    result.significand = digits / 10 + (digits % 10 >= 5 ? 1 : 0);
    result.exponent = exponent;
    if (result.significand == kTop) {  // 999...9|5 rounded up to 1000...0
        result.significand = kTop / 10;
        ++result.exponent;
    }
    return result;
}

}  // namespace pixo
