#pragma once

#include <string>

#include "platform/locale.h"

namespace pixo {

class FakeLocale final : public ILocale {
  public:
    std::string DecimalSeparator() override { return decimalSeparator; }
    std::string ThousandsSeparator() override { return thousandsSeparator; }

    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
};

}  // namespace pixo
