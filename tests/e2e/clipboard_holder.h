#pragma once

// A second mode of the test desktop program: another program that holds the clipboard open, as a clipboard
// tool or a slow program may, so that the scenarios can see what the lens does when it cannot have it.
//
//   pixo_testdesk.exe holdclipboard <name> <text>
//
// puts <text> on the clipboard as Unicode text, keeps the clipboard open, signals the event <name>.held and
// waits for the event <name>.release (both made by the caller); then it closes the clipboard and stays
// until it is ended, so that its text stays the clipboard's.

#include <windows.h>

#include <string>

namespace pixo::e2e {

constexpr wchar_t kHoldClipboardArgument[] = L"holdclipboard";

inline std::wstring HeldEventName(const std::wstring& name) {
    return name + L".held";
}
inline std::wstring ReleaseEventName(const std::wstring& name) {
    return name + L".release";
}

// Runs the holding mode with the arguments after kHoldClipboardArgument; returns the exit code.
int HoldClipboard(HINSTANCE instance, const std::wstring& arguments);

}  // namespace pixo::e2e
