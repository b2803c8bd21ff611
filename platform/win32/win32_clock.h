#pragma once

#include "platform/clock.h"

namespace pixo {

// The local wall clock and a blocking sleep of the calling thread.
class Win32Clock final : public IClock {
  public:
    Win32Clock() = default;

    LocalTime Now() override;
    void Sleep(int milliseconds) override;
};

}  // namespace pixo
