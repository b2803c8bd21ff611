#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace pixo {

// What the lens tells a screen reader about itself, in UTF-8: the name it speaks, the value (the readout as
// Ctrl+C copies it) and a description (where the lens is and how much it magnifies).
struct AccessibleTexts {
    std::string name;
    std::string value;
    std::string description;
    friend bool operator==(const AccessibleTexts&, const AccessibleTexts&) = default;
};

// How the platform's accessible object of the lens asks the core for its texts, made at each call.
using AccessibleTextSource = std::function<AccessibleTexts()>;

// The events that tell accessibility clients (screen readers) that the lens's readout changed.
class IAccessibility {
  public:
    virtual ~IAccessibility() = default;
    // The lens's name and value changed: one name-change and one value-change event for its client area.
    virtual void ReadoutChanged() = 0;
    // Asks screen readers to speak `utf8` now without a change of focus, where the platform can; nothing
    // where it cannot or no client listens.
    virtual void Announce(std::string_view utf8) = 0;
};

}  // namespace pixo
