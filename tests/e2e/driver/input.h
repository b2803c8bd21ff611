#pragma once

#include <windows.h>

#include <initializer_list>

namespace pixo::e2e {

// Real input, as the user gives it: every call goes through SendInput, so the programs receive it from the
// system's input queue exactly as they would from a mouse and a keyboard. Positions are screen pixels.
namespace input {

// Moves the pointer; true once the system reports it there.
bool MoveTo(int x, int y);
void LeftDown();
void LeftUp();
// Moves there, presses and releases.
void LeftClick(int x, int y);
void RightClick(int x, int y);
// Two clicks within the double-click time. Separate clicks on one spot are kept apart by more than that.
void DoubleClick(int x, int y);
// Presses the left button at `from`, moves in `steps` even steps to `to`, and releases there.
void Drag(POINT from, POINT to, int steps);
// One wheel movement of `notches` (positive: away from the user).
void Wheel(int notches);

// Presses and releases `key`, holding the `modifiers` (VK_CONTROL, VK_SHIFT, VK_MENU) down around it.
void Key(WORD key, std::initializer_list<WORD> modifiers = {});
// Only presses `key`, or only releases it: a key held down while the scenario looks at the screen.
void KeyDown(WORD key);
void KeyUp(WORD key);
// Holds `key` down for `repeats` key-downs, as the keyboard repeats a key held, then lets it go: all of it at
// once, as fast as a held key repeats at most.
void HoldKey(WORD key, int repeats);
// Releases every modifier, in case a scenario ended half-way through a combination.
void ReleaseModifiers();

}  // namespace input
}  // namespace pixo::e2e
