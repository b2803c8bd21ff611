#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace pixo {

// What a failed call of a platform service reports: the system's error code, 0 when the system gave
// none, and the text to show: the system's own message for the code, or what failed in plain words.
struct PlatformError {
    int code = 0;
    std::string text;

    friend bool operator==(const PlatformError&, const PlatformError&) = default;
};

// The system's code for "not enough memory", which a failed allocation of ours reports as well.
inline constexpr int kOutOfMemoryCode = 8;

// The result of a fallible service call: nothing when it worked, the error when it did not. Every function
// that returns one can fail, so dropping the result is a compile error; a caller that means to ignore it
// says so with a cast to void and a comment why.
class [[nodiscard]] Failure : public std::optional<PlatformError> {
  public:
    using std::optional<PlatformError>::optional;
    Failure(std::optional<PlatformError> other) : std::optional<PlatformError>(std::move(other)) {}
};

// The text of the program's error box: what failed, with the file, folder or object it concerns, then the
// system's code and its own words for it, "System Error.  Code: 5.\r\nAccess is denied.", so that a person
// sees what went wrong before why.
inline std::string ErrorBoxText(std::string_view whatFailed, const PlatformError& error) {
    std::string reason =
        error.code != 0 ? "System Error.  Code: " + std::to_string(error.code) + ".\r\n" + error.text : error.text;
    if (whatFailed.empty())
        return reason.empty() ? "A call to an OS function failed" : reason;
    std::string text(whatFailed);
    if (!reason.empty())
        text += "\r\n" + reason;
    return text;
}

}  // namespace pixo
