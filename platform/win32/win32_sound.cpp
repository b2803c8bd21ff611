#include "platform/win32/win32_sound.h"

#include <mmsystem.h>

#include <string>

#include "platform/win32/system_error.h"
#include "platform/win32/text_convert.h"

namespace pixo {

Win32Sound::Win32Sound(HMODULE module) : module_(module) {}

SoundResult Win32Sound::PlayWavResource(const std::string& name) {
    const std::wstring wideName = Utf8ToWide(name);
    const HRSRC resource = FindResourceW(module_, wideName.c_str(), L"WAV");
    if (resource == nullptr)
        return SoundResult::NotFound;  // the lookup's error stays the thread's last error
    const HGLOBAL loaded = LoadResource(module_, resource);
    if (loaded == nullptr)
        return SoundResult::NotLoaded;
    const void* bytes = LockResource(loaded);
    if (bytes == nullptr)
        return SoundResult::NotLoaded;
    // The resource stays mapped as long as the module, so the asynchronous play may keep reading it.
    if (!PlaySoundW(static_cast<LPCWSTR>(bytes), nullptr, SND_ASYNC | SND_MEMORY))
        return SoundResult::PlayFailed;
    return SoundResult::Played;
}

void Win32Sound::AsteriskBeep() {
    MessageBeep(MB_ICONASTERISK);
}

int Win32Sound::LastErrorCode() {
    return static_cast<int>(GetLastError());
}

std::string Win32Sound::ErrorMessage(int code) {
    return SystemErrorText(static_cast<std::uint32_t>(code));
}

}  // namespace pixo
