#pragma once

namespace pixo {

// The lens window's one-shot message timer; each tick reaches the core's timer handler.
class ITimer {
  public:
    virtual ~ITimer() = default;
    virtual void Start(int milliseconds) = 0;
    virtual void Stop() = 0;
    virtual bool Running() = 0;
};

}  // namespace pixo
