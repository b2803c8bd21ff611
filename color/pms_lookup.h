#pragma once

#include <string_view>

namespace pixo {

// The Pantone PMS name whose key is exactly `htmlHex` ("#RRGGBB" in uppercase, as the HTML hex readout
// writes it), or an empty view. Case-sensitive: "#f4ed7c" matches nothing. Where a key occurs in two
// rows the earlier row's name is the answer. The view refers to the constant table. Does not allocate.
std::string_view PmsName(std::string_view htmlHex);

}  // namespace pixo
