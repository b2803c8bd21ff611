#include "color/fixed_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "color/exact_decimal.h"

namespace pixo {

namespace {

// 10^0 to 10^18.
struct PowersOfTen {
    std::uint64_t at[DecimalDigits::kDigits + 1];
};
constexpr PowersOfTen kPow10 = [] {
    PowersOfTen p{};
    p.at[0] = 1;
    for (int i = 1; i <= DecimalDigits::kDigits; ++i)
        p.at[i] = p.at[i - 1] * 10;
    return p;
}();

}  // namespace

Text FixedText(double v, int precision, int decimals, std::string_view decimalSeparator) {
    if (std::isnan(v))
        return Text("NAN");
    if (std::isinf(v))
        return Text(v < 0 ? "-INF" : "INF");
    if (decimals < 0)
        decimals = 0;
    // Beyond these the result is the same (a double's exponent lies within +-330, so n below is capped by
    // the precision and the 18 digits, or is negative), and the arithmetic on them cannot overflow.
    constexpr int kFarthestPlace = 1000;
    decimals = std::min(decimals, kFarthestPlace);
    precision = std::clamp(precision, -kFarthestPlace, kFarthestPlace);

    // Keep n of the 18 digits: no more than `precision`, and none below the last decimal. The result is
    // kept x 10^(exponent - n), where `kept` may have gained a digit by the carry (0.96 -> 1.0).
    const DecimalDigits d = ExactDecimalDigits(v);
    int n = d.exponent + decimals;
    if (n > precision)
        n = precision;
    if (n > DecimalDigits::kDigits)
        n = DecimalDigits::kDigits;
    std::uint64_t kept = 0;
    if (d.significand != 0 && n >= 0) {
        // Half away from zero; with n = 0 the first digit itself decides (0.006 -> 0.01, 0.004 -> 0).
        const std::uint64_t unit = kPow10.at[DecimalDigits::kDigits - n];
        kept = d.significand / unit;
        if (unit > 1 && d.significand % unit >= unit / 2)
            ++kept;
    }

    // Written place by place, from the highest place of the integer part down to 10^-decimals; places
    // outside the kept digits are zeros. A zero has no sign.
    char keptDigits[20];  // least significant first
    int keptCount = 0;
    for (std::uint64_t k = kept; k != 0; k /= 10)
        keptDigits[keptCount++] = static_cast<char>('0' + k % 10);
    const int lowest = d.exponent - n;  // the place of kept's last digit
    const int highest = keptCount > 0 && lowest + keptCount - 1 > 0 ? lowest + keptCount - 1 : 0;

    char buf[Text::MaxSize()];
    int len = 0;
    const int cap = static_cast<int>(Text::MaxSize());
    if (d.negative && kept != 0)
        buf[len++] = '-';
    for (int place = highest; place >= -decimals && len < cap; --place) {
        if (place == -1) {
            for (std::size_t i = 0; i < decimalSeparator.size() && len < cap; ++i)
                buf[len++] = decimalSeparator[i];
            if (len == cap)
                break;
        }
        const int i = place - lowest;
        buf[len++] = i >= 0 && i < keptCount ? keptDigits[i] : '0';
    }
    return Text(std::string_view(buf, static_cast<std::size_t>(len)));
}

}  // namespace pixo
