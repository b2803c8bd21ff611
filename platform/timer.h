#pragma once

namespace pixo {

// A one-shot timer of the lens window; each tick reaches the core's handler of that timer, which stops or
// starts it again. The lens has two: the message bar's and the one that paces the screen readers' events.
class ITimer {
  public:
    virtual ~ITimer() = default;
    virtual void Start(int milliseconds) = 0;
    virtual void Stop() = 0;
    virtual bool Running() = 0;
};

}  // namespace pixo
