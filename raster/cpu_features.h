#pragma once

namespace pixo {

// Whether this processor and the operating system run AVX2 and FMA instructions (the wide path of the
// smoothed view). Worked out once.
bool HasAvx2AndFma();

}  // namespace pixo
