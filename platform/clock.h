#pragma once

namespace pixo {

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};

class IClock {
  public:
    virtual ~IClock() = default;
    virtual LocalTime Now() = 0;
    virtual void Sleep(int milliseconds) = 0;
};

}  // namespace pixo
