// The pace of the screen readers' events over time: what a series of draws (changes of the readout) raises,
// with the clock double and the timer firing when it is due.
#include "lens/screen_reader_readout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/fake_accessibility.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_timer.h"

namespace pixo {
namespace {

// When something was raised, in milliseconds from the first change.
struct Raised {
    std::vector<int> pairs;
    std::vector<int> announcements;
    bool operator==(const Raised&) const = default;
};

// Changes every `step` ms from `from` up to and including `to`.
std::vector<int> Every(int step, int from, int to) {
    std::vector<int> times;
    for (int t = from; t <= to; t += step)
        times.push_back(t);
    return times;
}

std::vector<int> Joined(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Runs the draws at the given times (each one changes the readout unless `sameReadout`), firing the timer
// whenever it is due, until the timer stops.
class Pacing {
  public:
    explicit Pacing(bool sameReadout = false) : sameReadout_(sameReadout) {
        timer_.onTick = [this] { readout_.Tick(); };
        readout_.Listen();
    }
    Pacing(const Pacing&) = delete;
    Pacing& operator=(const Pacing&) = delete;

    Raised Run(const std::vector<int>& changes) {
        Raised raised;
        const int pairsBefore = events_.changes;
        const std::size_t announcedBefore = events_.announced.size();
        const std::int64_t start = clock_.ticks;
        const auto at = [&](std::int64_t t) { return static_cast<int>(t - start); };
        std::size_t next = 0;
        while (next < changes.size() || timer_.running) {
            const std::int64_t changeAt = next < changes.size() ? start + changes[next] : INT64_MAX;
            if (timer_.running && fireAt_ <= changeAt) {
                clock_.Advance(fireAt_ - clock_.ticks);
                Watch([&] { timer_.Fire(); });
            } else {
                clock_.Advance(changeAt - clock_.ticks);
                ++drawn_;
                Watch([&] { readout_.Changed(); });
                ++next;
            }
            if (events_.changes - pairsBefore > static_cast<int>(raised.pairs.size()))
                raised.pairs.push_back(at(clock_.ticks));
            if (events_.announced.size() - announcedBefore > raised.announcements.size())
                raised.announcements.push_back(at(clock_.ticks));
        }
        return raised;
    }

  private:
    // Notes when the timer fires next if the step started it.
    void Watch(const std::function<void()>& step) {
        const int starts = timer_.startCount;
        step();
        if (timer_.startCount != starts)
            fireAt_ = clock_.ticks + timer_.interval;
    }

    bool sameReadout_;
    FakeAccessibility events_;
    int drawn_ = 0;
    std::int64_t fireAt_ = 0;
    FakeClock clock_;
    FakeTimer timer_;
    ScreenReaderReadout readout_{clock_, timer_, events_, [this] {
                                     const std::string colour = "R" + std::to_string(sameReadout_ ? 0 : drawn_);
                                     return AccessibleTexts{colour, colour, "x1 y1, 1:1"};
                                 }};
};

TEST(ScreenReaderReadout, PacesThePairsAndAnnouncesTheNameAtRest) {
    const struct {
        const char* what;
        std::vector<int> changes;
        Raised raised;
    } kRows[] = {
        {"one arrow key: the pair at once, the name when the lens rests", {0}, {{1}, {100}}},
        {"a drag's two moves (left, then top) make one pair", {0, 0}, {{1}, {100}}},
        {"a key held (a change every 33 ms for a second): a pair every 250 ms, the last one within 250 ms of the "
         "rest",
         Every(33, 0, 990),
         {{1, 251, 501, 751, 1001}, {1090}}},
        {"a change just after a pair: its pair waits for the gap", {0, 10}, {{1, 251}, {251}}},
        {"two presses 150 ms apart", {0, 150}, {{1, 251}, {100, 251}}},
        {"two presses 400 ms apart are told apart", {0, 400}, {{1, 401}, {100, 500}}},
        {"a drag, a pause, a drag",
         Joined(Every(20, 0, 300), Every(20, 1000, 1200)),
         {{1, 251, 501, 1001, 1251}, {501, 1300}}},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.what);
        Pacing pacing;
        const Raised raised = pacing.Run(row.changes);
        EXPECT_EQ(raised.pairs, row.raised.pairs);
        EXPECT_EQ(raised.announcements, row.raised.announcements);
        // The promises, whatever the series: pairs at least 250 ms apart, one within 300 ms after the last
        // change, and the name announced once the lens rests.
        for (std::size_t i = 1; i < raised.pairs.size(); ++i)
            EXPECT_GE(raised.pairs[i] - raised.pairs[i - 1], ScreenReaderReadout::kPairGapMs);
        ASSERT_FALSE(raised.pairs.empty());
        EXPECT_LE(raised.pairs.back() - row.changes.back(), 300);
        EXPECT_GE(raised.announcements.back(), raised.pairs.back());
        EXPECT_LE(raised.announcements.back() - row.changes.back(), 300);
    }
}

TEST(ScreenReaderReadout, DrawsThatLeaveTheReadoutAsItWasRaiseNothing) {
    Pacing pacing(/*sameReadout=*/true);
    EXPECT_EQ(pacing.Run({0}), (Raised{{1}, {100}}));  // the first look: nothing was said before
    EXPECT_EQ(pacing.Run(Every(33, 1000, 2000)), Raised{});
}

TEST(ScreenReaderReadout, NothingRunsBeforeAClientAsked) {
    FakeClock clock;
    FakeTimer timer;
    FakeAccessibility events;
    int textsMade = 0;
    ScreenReaderReadout readout(clock, timer, events, [&] {
        ++textsMade;
        return AccessibleTexts{};
    });
    for (int i = 0; i < 10; ++i) {
        readout.Changed();
        clock.Advance(300);
    }
    EXPECT_EQ(timer.startCount, 0);
    EXPECT_EQ(textsMade, 0);
    EXPECT_EQ(events.changes, 0);
}

}  // namespace
}  // namespace pixo
