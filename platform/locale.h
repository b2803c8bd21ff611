#pragma once

#include <string>

namespace pixo {

// The user's number format, as Windows-1252 text like the readouts it goes into. Read again when the
// system announces a change of its settings.
class ILocale {
  public:
    virtual ~ILocale() = default;
    virtual std::string DecimalSeparator() = 0;
    virtual std::string ThousandsSeparator() = 0;
};

}  // namespace pixo
