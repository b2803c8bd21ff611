#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "e2e/driver/system.h"

namespace pixo::e2e {

// The text on the clipboard in its two plain-text formats; a format that is not there stays empty.
struct ClipboardText {
    std::optional<std::wstring> unicode;  // CF_UNICODETEXT
    std::optional<std::string> bytes;     // CF_TEXT, as the bytes stored
};

// Counts the changes of the clipboard; read without opening it, so that it never keeps the clipboard from
// another program.
DWORD ClipboardSequence();

// Reads the clipboard, retrying while another program has it open; nothing when it stays closed to us.
std::optional<ClipboardText> ReadClipboard(milliseconds timeout = kActionTimeout);

// Waits until the clipboard has changed since `sequence` (a ClipboardSequence() value) and reads it.
std::optional<ClipboardText> ReadClipboardChangedSince(DWORD sequence, milliseconds timeout = kActionTimeout);

// Another program that puts its own text on the clipboard and keeps the clipboard open until told to let go:
// the test desktop program started in its holding mode (see clipboard_holder.h).
class ClipboardHolder {
  public:
    ClipboardHolder();
    ~ClipboardHolder();
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;

    // Starts `desktopExe` holding the clipboard with `text` on it; true once it holds it.
    bool Hold(const std::wstring& desktopExe, const std::wstring& text, std::wstring& error);
    // Tells it to close the clipboard; true once the clipboard can be opened again.
    bool Release();

  private:
    std::wstring name_;
    HANDLE held_ = nullptr;
    HANDLE release_ = nullptr;
    ChildProcess process_;
};

}  // namespace pixo::e2e
