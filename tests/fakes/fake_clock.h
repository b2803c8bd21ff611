#pragma once

#include <cstdint>
#include <vector>

#include "platform/clock.h"

namespace pixo {

// A clock that stands still until it is set or slept on. Sleeping advances it by the time slept,
// carrying into seconds, minutes, hours and the date, and the tick count with it.
class FakeClock final : public IClock {
  public:
    LocalTime Now() override { return now; }
    void Sleep(int milliseconds) override;
    std::int64_t TickCount() override { return ticks; }
    // Moves both the wall clock and the tick count on.
    void Advance(long long milliseconds);

    LocalTime now{2026, 12, 7, 0, 15, 32, 45};
    std::int64_t ticks = 1000000;
    std::vector<int> sleeps;  // every Sleep, in order
};

}  // namespace pixo
