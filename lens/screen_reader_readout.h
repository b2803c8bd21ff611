#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/accessibility.h"
#include "platform/clock.h"
#include "platform/timer.h"

namespace pixo {

// Tells screen readers about the readout at a pace they can speak. While the lens moves (a drag, the arrows,
// the wheel) the readout changes with every draw; a screen reader that spoke each change would chatter and lag
// behind. So a draw only notes the time; the timer then raises at most one pair of change events (name and
// value) every kPairGapMs, the first as soon as the gap allows, and once the lens rests (no change for
// kRestMs) the pair for where it stopped (at the latest kPairGapMs after its last change) and one
// announcement of the name. A pair is raised only when the name or the value differs from the last pair's.
// Nothing of this runs until an accessibility client has asked for the lens's object: without a screen
// reader a draw costs one test of a flag.
class ScreenReaderReadout {
  public:
    static constexpr int kPairGapMs = 250;
    static constexpr int kRestMs = 100;

    ScreenReaderReadout(IClock& clock, ITimer& timer, IAccessibility& events, AccessibleTextSource texts)
        : clock_(clock), timer_(timer), events_(events), texts_(std::move(texts)) {}

    // A client asked for the lens's accessible object: from now on the readout's changes are told.
    void Listen() { listening_ = true; }
    bool Listening() const { return listening_; }
    // A draw: the readout may have changed. Notes the time and starts the timer when it is not running.
    void Changed();
    // The timer's tick: raises what is due, then starts the timer for what is still to come or stops it.
    void Tick();

  private:
    void RaisePair(std::int64_t now);
    void AnnounceAtRest();
    void Schedule(std::int64_t now);

    IClock& clock_;
    ITimer& timer_;
    IAccessibility& events_;
    AccessibleTextSource texts_;
    bool listening_ = false;
    bool pending_ = false;  // a change since the texts were last looked at
    bool restDue_ = false;  // a pair was raised and the name has not been announced at rest since
    std::int64_t lastChange_ = 0;
    std::optional<std::int64_t> lastPair_;
    AccessibleTexts said_;  // the texts as the last pair told them
};

}  // namespace pixo
