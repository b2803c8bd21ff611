#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/accessibility.h"

namespace pixo {

// Records the accessibility events the core raises.
class FakeAccessibility final : public IAccessibility {
  public:
    void ReadoutChanged() override { ++changes; }
    void Announce(std::string_view utf8) override { announced.emplace_back(utf8); }

    int changes = 0;                     // name-and-value change pairs
    std::vector<std::string> announced;  // every announcement, in order
};

}  // namespace pixo
