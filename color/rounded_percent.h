#pragma once

namespace pixo {

// The integer percentage of a in b (a, b >= 0); 0 when b is 0. The fraction is rounded to nearest, but
// an exact half rounds down: 0.5 gives 0, 1.5 gives 1, 1.51 gives 2.
int RoundedPercent(int a, int b);

}  // namespace pixo
