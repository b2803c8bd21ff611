#pragma once

#include <cstdint>
#include <string>

namespace pixo {

// The system's own description of an error code (UTF-8, trailing line break removed); empty when the
// system has none.
std::string SystemErrorText(std::uint32_t code);

}  // namespace pixo
