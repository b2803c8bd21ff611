#pragma once

#include <cstdint>
#include <string>

#include "platform/error.h"

namespace pixo {

// The system's own description of an error code (UTF-8, trailing line break removed); empty when the
// system has none.
std::string SystemErrorText(std::uint32_t code);

// The error of a code: the code and the system's text for it, or `whatFailed` when the code is 0 or the
// system has no text for it.
PlatformError SystemError(std::uint32_t code, const std::string& whatFailed = {});

// SystemError of the calling thread's last error. Clear the last error before a call that may fail without
// setting it, so that an older code is not reported for it.
PlatformError LastSystemError(const std::string& whatFailed = {});

}  // namespace pixo
