// A screen reader reads the lens through the real accessibility interface, across processes, as one does on
// a user's desktop: the value is what Ctrl+C copies, the name carries it, the description tells where the
// lens is; moving the lens with the arrow keys raises change events at a pace a screen reader can speak, the
// last one where the lens stops.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

// clang-format off
#include <ole2.h>
#include <oleacc.h>
// clang-format on

#include "e2e/driver/accessibility.h"
#include "e2e/driver/clipboard.h"
#include "e2e/driver/lens_session.h"

namespace pixo::e2e {
namespace {

// The tick count's steps on a real machine: two event times may lie this much closer than the program's
// own clock said.
constexpr DWORD kTickGranularityMs = 16;
// How late the scenario may see the lens's last move: it looks every few milliseconds between messages.
constexpr DWORD kWatchMs = 50;
// How late a timer may tick: WM_TIMER comes only when the lens's queue is empty, later on a loaded machine.
constexpr DWORD kTimerLatenessMs = 200;

class ScreenReader : public LensSession {
  protected:
    AccessibleView Read() {
        std::string error;
        const std::optional<AccessibleView> view = ReadAccessible(Lens(), error);
        EXPECT_TRUE(view.has_value()) << error;
        return view.value_or(AccessibleView{});
    }

    // Ctrl+C on the lens: the readout as the clipboard's Unicode text.
    std::wstring CopyReadout() {
        const DWORD before = ClipboardSequence();
        PressOnLens('C', {VK_CONTROL});
        const std::optional<ClipboardText> copied = ReadClipboardChangedSince(before);
        EXPECT_TRUE(copied.has_value() && copied->unicode.has_value()) << "Ctrl+C put no text on the clipboard";
        return copied && copied->unicode ? *copied->unicode : L"(nothing copied)";
    }

    // The copied text and the object's value and name, once the copy shows the keys before it were handled.
    void ExpectValueIsCopied(const char* notation) {
        SCOPED_TRACE(notation);
        const std::wstring copied = CopyReadout();
        const AccessibleView view = Read();
        EXPECT_EQ(view.value, copied);
        EXPECT_EQ(view.name.substr(0, copied.size()), copied) << "the name does not begin with the readout";
    }

    ComApartment com_;
};

std::vector<DWORD> TimesOf(const std::vector<WinEventRecord>& events, DWORD event) {
    std::vector<DWORD> times;
    for (const WinEventRecord& record : events) {
        if (record.event == event)
            times.push_back(record.time);
    }
    return times;
}

TEST_F(ScreenReader, ReadsTheReadoutAndHearsItWhereTheLensStops) {
    ASSERT_TRUE(ExpectLensInFront());
    const AccessibleView first = Read();
    EXPECT_EQ(first.role, ROLE_SYSTEM_STATICTEXT);
    EXPECT_EQ(first.state & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED), 0);
    EXPECT_NE(first.state & STATE_SYSTEM_READONLY, 0);
    EXPECT_EQ(first.description, L"x300 y300, 1:1");
    ExpectValueIsCopied("RGB");
    PressOnLens('H', {VK_CONTROL});
    ExpectValueIsCopied("HEX");
    PressOnLens('H', {VK_CONTROL});
    ExpectValueIsCopied("RGB again");

    // A screen reader hooks the lens's events, and the user moves the lens 25 pixels with the arrow keys. The
    // scenario notes when it sees the lens move for the last time.
    WinEventRecorder recorder(LensProcess().Id());
    ASSERT_TRUE(recorder.Hooked());
    recorder.Pump(milliseconds(500));
    const std::size_t earlier = recorder.ClientEvents(Lens()).size();
    POINT place = LensTopLeft();
    DWORD lastMove = GetTickCount();
    const auto watchLens = [&] {
        const POINT now = LensTopLeft();
        if (now.x != place.x || now.y != place.y) {
            place = now;
            lastMove = GetTickCount();
        }
    };
    constexpr int kSteps = 25;
    for (int step = 0; step < kSteps; ++step) {
        PressOnLens(VK_RIGHT);
        recorder.Pump(milliseconds(50), watchLens);
    }
    recorder.Pump(milliseconds(1500), watchLens);
    ASSERT_TRUE(ExpectLensAt(kStartPosition.x + kSteps, kStartPosition.y));

    std::vector<WinEventRecord> events = recorder.ClientEvents(Lens());
    events.erase(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(earlier));
    const std::vector<DWORD> names = TimesOf(events, EVENT_OBJECT_NAMECHANGE);
    const std::vector<DWORD> values = TimesOf(events, EVENT_OBJECT_VALUECHANGE);
    EXPECT_EQ(names.size(), values.size()) << "name and value changes come in pairs";
    // Well over a second of moving (the pauses alone make 1.25 s): told on the way, four times a second.
    EXPECT_GE(names.size(), 3u);
    for (std::size_t i = 1; i < names.size(); ++i)
        EXPECT_GE(names[i] - names[i - 1], 250 - kTickGranularityMs) << "pairs " << i - 1 << " and " << i;
    // The last pair tells where the lens stopped: it comes after the last move, within 300 ms.
    ASSERT_FALSE(names.empty());
    const LONG afterRest = static_cast<LONG>(names.back() - lastMove);
    EXPECT_GE(afterRest, -static_cast<LONG>(kWatchMs)) << "no pair after the lens came to rest";
    EXPECT_LE(afterRest, static_cast<LONG>(300 + kTimerLatenessMs)) << "the pair at rest came late";

    // Where the lens stopped, the readout is the colour there.
    ExpectValueIsCopied("where the lens stopped");
    EXPECT_EQ(Read().description, L"x325 y300, 1:1");
}

}  // namespace
}  // namespace pixo::e2e
