#pragma once

#include <optional>
#include <string>

namespace pixo {

// What a failed call of a platform service reports: the system's error code, 0 when the system gave
// none, and the text to show: the system's own message for the code, or what failed in plain words.
struct PlatformError {
    int code = 0;
    std::string text;

    friend bool operator==(const PlatformError&, const PlatformError&) = default;
};

// The result of a fallible service call: nothing when it worked, the error when it did not.
using Failure = std::optional<PlatformError>;

}  // namespace pixo
