#include "lens/screen_reader_readout.h"

#include <algorithm>
#include <limits>

namespace pixo {

void ScreenReaderReadout::Changed() {
    if (!listening_)
        return;
    lastChange_ = clock_.TickCount();
    pending_ = true;
    if (timer_.Running())
        return;
    // After a quiet time the first pair comes at the next tick, out of the draw, unless the last pair was
    // too recent.
    const std::int64_t gapEnd = lastPair_ ? *lastPair_ + kPairGapMs : lastChange_;
    timer_.Start(static_cast<int>(std::clamp<std::int64_t>(gapEnd - lastChange_, 1, kRestMs)));
}

void ScreenReaderReadout::Tick() {
    const std::int64_t now = clock_.TickCount();
    if (pending_ && (!lastPair_ || now - *lastPair_ >= kPairGapMs))
        RaisePair(now);
    if (restDue_ && !pending_ && now - lastChange_ >= kRestMs)
        AnnounceAtRest();
    Schedule(now);
}

void ScreenReaderReadout::RaisePair(std::int64_t now) {
    pending_ = false;
    AccessibleTexts texts = texts_();
    if (texts.name == said_.name && texts.value == said_.value)
        return;
    said_ = std::move(texts);
    lastPair_ = now;
    restDue_ = true;
    events_.ReadoutChanged();
}

// Nothing changed since the last look at the texts, so the last pair's name is the name now.
void ScreenReaderReadout::AnnounceAtRest() {
    restDue_ = false;
    events_.Announce(said_.name);
}

// Everything due now has been raised: the next tick comes when the lens would be at rest (if a pair awaits
// its announcement) or when the gap after the last pair ends (if a change awaits its pair).
void ScreenReaderReadout::Schedule(std::int64_t now) {
    std::int64_t next = std::numeric_limits<std::int64_t>::max();
    const auto consider = [&](std::int64_t at) {
        if (at > now)
            next = std::min(next, at);
    };
    if (restDue_)
        consider(lastChange_ + kRestMs);
    if (pending_ && lastPair_)
        consider(*lastPair_ + kPairGapMs);
    if (next == std::numeric_limits<std::int64_t>::max()) {
        timer_.Stop();
        return;
    }
    timer_.Start(static_cast<int>(std::min<std::int64_t>(next - now, kPairGapMs)));
}

}  // namespace pixo
