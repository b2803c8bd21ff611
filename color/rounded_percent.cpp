#include "color/rounded_percent.h"

#include <cmath>

namespace pixo {

int RoundedPercent(int a, int b) {
    if (b == 0)
        return 0;
    const long long scaled = static_cast<long long>(a) * 100;
    const double q = static_cast<double>(scaled) / b;
    const auto t = static_cast<int>(scaled / b);
    return q - std::trunc(q) > 0.5 ? t + 1 : t;
}

}  // namespace pixo
