#pragma once

#include "platform/locale.h"

namespace pixo {

// The user's decimal and thousands separators, read from the system on every call, as Windows-1252 text
// like the readouts they go into.
class Win32Locale final : public ILocale {
  public:
    Win32Locale() = default;

    std::string DecimalSeparator() override;
    std::string ThousandsSeparator() override;
};

}  // namespace pixo
