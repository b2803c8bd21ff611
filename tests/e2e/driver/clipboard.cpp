#include "e2e/driver/clipboard.h"

#include <atomic>

#include "e2e/clipboard_holder.h"

namespace pixo::e2e {
namespace {

template <typename Char>
std::optional<std::basic_string<Char>> TextOf(UINT format) {
    const HANDLE data = GetClipboardData(format);
    if (data == nullptr)
        return std::nullopt;
    const auto* text = static_cast<const Char*>(GlobalLock(data));
    if (text == nullptr)
        return std::nullopt;
    // Up to the terminating zero, never past the memory block.
    const std::size_t limit = GlobalSize(data) / sizeof(Char);
    std::size_t length = 0;
    while (length < limit && text[length] != Char{0})
        ++length;
    std::basic_string<Char> result(text, length);
    GlobalUnlock(data);
    return result;
}

}  // namespace

DWORD ClipboardSequence() {
    return GetClipboardSequenceNumber();
}

std::optional<ClipboardText> ReadClipboard(milliseconds timeout) {
    if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, timeout, milliseconds(20)))
        return std::nullopt;
    ClipboardText text;
    text.unicode = TextOf<wchar_t>(CF_UNICODETEXT);
    text.bytes = TextOf<char>(CF_TEXT);
    CloseClipboard();
    return text;
}

std::optional<ClipboardText> ReadClipboardChangedSince(DWORD sequence, milliseconds timeout) {
    if (!WaitUntil([&] { return ClipboardSequence() != sequence; }, timeout))
        return std::nullopt;
    return ReadClipboard(timeout);
}

ClipboardHolder::ClipboardHolder() {
    static std::atomic<int> counter{0};
    name_ = L"PixoClipboardHolder-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
    held_ = CreateEventW(nullptr, TRUE, FALSE, HeldEventName(name_).c_str());
    release_ = CreateEventW(nullptr, TRUE, FALSE, ReleaseEventName(name_).c_str());
}

ClipboardHolder::~ClipboardHolder() {
    if (release_ != nullptr)
        SetEvent(release_);
    process_.Kill();
    if (held_ != nullptr)
        CloseHandle(held_);
    if (release_ != nullptr)
        CloseHandle(release_);
}

bool ClipboardHolder::Hold(const std::wstring& desktopExe, const std::wstring& text, std::wstring& error) {
    if (held_ == nullptr || release_ == nullptr) {
        error = L"the events for the clipboard holder cannot be made";
        return false;
    }
    if (!process_.Start(desktopExe, std::wstring(kHoldClipboardArgument) + L" " + name_ + L" " + text, error))
        return false;
    const bool held = WaitUntil([&] { return WaitForSingleObject(held_, 0) == WAIT_OBJECT_0 || !process_.Running(); },
                                kStartTimeout, milliseconds(20)) &&
                      WaitForSingleObject(held_, 0) == WAIT_OBJECT_0;
    if (!held)
        error = L"the clipboard holder did not take the clipboard";
    return held;
}

bool ClipboardHolder::Release() {
    SetEvent(release_);
    return ReadClipboard().has_value();
}

}  // namespace pixo::e2e
