#include "e2e/driver/input.h"

#include <cstdlib>
#include <iterator>
#include <vector>

#include "e2e/driver/system.h"

namespace pixo::e2e::input {
namespace {

// The pause between the events of one gesture, so that the receiving program sees them as separate
// messages, as it would from a hand; a double click needs two clicks within the double-click time.
constexpr milliseconds kGesturePause{30};
// Keys are queued in order; a short pause between them is enough.
constexpr milliseconds kKeyPause{10};

void Send(std::vector<INPUT> events) {
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

INPUT MouseEvent(DWORD flags, LONG dx = 0, LONG dy = 0, DWORD data = 0) {
    INPUT event{};
    event.type = INPUT_MOUSE;
    event.mi.dx = dx;
    event.mi.dy = dy;
    event.mi.mouseData = data;
    event.mi.dwFlags = flags;
    return event;
}

INPUT KeyEvent(WORD key, bool up) {
    INPUT event{};
    event.type = INPUT_KEYBOARD;
    event.ki.wVk = key;
    event.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    event.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    switch (key) {
        case VK_INSERT:
        case VK_DELETE:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            event.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;  // the keys of the separate block, not the keypad's
            break;
        default:
            break;
    }
    return event;
}

// Absolute coordinates are 0..65535 across the virtual screen (all monitors); the system maps n to pixel
// n * size / 65536 from its left or top edge, so the smallest n of pixel p is p * 65536 / size rounded up.
LONG Normalised(int pixel, int size) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + size - 1) / size);
}

void Pause() {
    Sleep(static_cast<DWORD>(kGesturePause.count()));
}

// The last press of each button, so that two separate clicks are never taken for a double click.
struct LastPress {
    DWORD flag = 0;
    POINT at{};
    Clock::time_point when{};
};
LastPress g_lastPress;

void Press(DWORD downFlag, bool mayDoubleClick) {
    POINT at{};
    GetCursorPos(&at);
    if (!mayDoubleClick && g_lastPress.flag == downFlag &&
        std::abs(at.x - g_lastPress.at.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
        std::abs(at.y - g_lastPress.at.y) <= GetSystemMetrics(SM_CYDOUBLECLK)) {
        // Wait as a user would between two clicks on the same spot.
        const Clock::time_point free = g_lastPress.when + milliseconds(GetDoubleClickTime() + 100);
        if (Clock::now() < free)
            std::this_thread::sleep_until(free);
    }
    Send({MouseEvent(downFlag)});
    g_lastPress = {downFlag, at, Clock::now()};
    Pause();
}

}  // namespace

bool MoveTo(int x, int y) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    Send({MouseEvent(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK, Normalised(x - left, width),
                     Normalised(y - top, height))});
    return WaitUntil(
        [&] {
            POINT at{};
            return GetCursorPos(&at) && at.x == x && at.y == y;
        },
        kActionTimeout, milliseconds(5));
}

void LeftDown() {
    Press(MOUSEEVENTF_LEFTDOWN, false);
}

void LeftUp() {
    Send({MouseEvent(MOUSEEVENTF_LEFTUP)});
    Pause();
}

void LeftClick(int x, int y) {
    MoveTo(x, y);
    Pause();
    LeftDown();
    LeftUp();
}

void RightClick(int x, int y) {
    MoveTo(x, y);
    Pause();
    Press(MOUSEEVENTF_RIGHTDOWN, false);
    Send({MouseEvent(MOUSEEVENTF_RIGHTUP)});
    Pause();
}

void DoubleClick(int x, int y) {
    MoveTo(x, y);
    Pause();
    for (int click = 0; click < 2; ++click) {
        Press(MOUSEEVENTF_LEFTDOWN, true);
        Send({MouseEvent(MOUSEEVENTF_LEFTUP)});
        Pause();
    }
}

void Drag(POINT from, POINT to, int steps) {
    MoveTo(from.x, from.y);
    Pause();
    LeftDown();
    for (int i = 1; i <= steps; ++i) {
        MoveTo(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
        Pause();
    }
    LeftUp();
}

void Wheel(int notches) {
    Send({MouseEvent(MOUSEEVENTF_WHEEL, 0, 0, static_cast<DWORD>(notches * WHEEL_DELTA))});
    Pause();
}

void Key(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> events;
    for (WORD modifier : modifiers)
        events.push_back(KeyEvent(modifier, false));
    events.push_back(KeyEvent(key, false));
    Send(events);
    Sleep(static_cast<DWORD>(kKeyPause.count()));
    events.clear();
    events.push_back(KeyEvent(key, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        events.push_back(KeyEvent(*it, true));
    Send(events);
    Sleep(static_cast<DWORD>(kKeyPause.count()));
}

void KeyDown(WORD key) {
    Send({KeyEvent(key, false)});
    Sleep(static_cast<DWORD>(kKeyPause.count()));
}

void KeyUp(WORD key) {
    Send({KeyEvent(key, true)});
    Sleep(static_cast<DWORD>(kKeyPause.count()));
}

void HoldKey(WORD key, int repeats) {
    std::vector<INPUT> events(static_cast<std::size_t>(repeats), KeyEvent(key, false));
    events.push_back(KeyEvent(key, true));
    Send(events);
    Sleep(static_cast<DWORD>(kKeyPause.count()));
}

void ReleaseModifiers() {
    std::vector<INPUT> events;
    for (const WORD modifier : std::initializer_list<WORD>{VK_CONTROL, VK_SHIFT, VK_MENU}) {
        if (GetAsyncKeyState(modifier) < 0)
            events.push_back(KeyEvent(modifier, true));
    }
    if (!events.empty())
        Send(events);
    if (GetAsyncKeyState(VK_LBUTTON) < 0)
        Send({MouseEvent(MOUSEEVENTF_LEFTUP)});
}

}  // namespace pixo::e2e::input
