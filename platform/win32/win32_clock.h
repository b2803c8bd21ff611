#pragma once

#include "platform/clock.h"

namespace pixo {

// The local wall clock, a blocking sleep of the calling thread and the system's tick count.
class Win32Clock final : public IClock {
  public:
    Win32Clock() = default;

    LocalTime Now() override;
    void Sleep(int milliseconds) override;
    std::int64_t TickCount() override;
};

}  // namespace pixo
