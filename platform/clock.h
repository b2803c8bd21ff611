#pragma once

#include <cstdint>

namespace pixo {

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};

class IClock {
  public:
    virtual ~IClock() = default;
    virtual LocalTime Now() = 0;
    virtual void Sleep(int milliseconds) = 0;
    // Milliseconds since some moment before the program started, never going back (the wall clock of Now
    // may, when the user or the network sets it): for measuring how long ago something happened.
    virtual std::int64_t TickCount() = 0;
};

}  // namespace pixo
