#include "platform/win32/win32_sound.h"

#include <mmsystem.h>

#include <string>

#include "platform/win32/system_error.h"
#include "platform/win32/text_convert.h"

namespace pixo {

Win32Sound::Win32Sound(HMODULE module) : module_(module) {}

SoundResult Win32Sound::PlayWavResource(const std::string& name) {
    const std::wstring wideName = Utf8ToWide(name);
    SetLastError(ERROR_SUCCESS);  // a lookup that fails without saying why reports no stale code
    const HRSRC resource = FindResourceW(module_, wideName.c_str(), L"WAV");
    if (resource == nullptr)
        return {.missing = LastSystemError()};
    const HGLOBAL loaded = LoadResource(module_, resource);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        return {};
    // The resource stays mapped as long as the module, so the asynchronous play may keep reading it.
    return {.missing = std::nullopt,
            .refused = !PlaySoundW(static_cast<LPCWSTR>(bytes), nullptr, SND_ASYNC | SND_MEMORY)};
}

void Win32Sound::AsteriskBeep() {
    MessageBeep(MB_ICONASTERISK);
}

}  // namespace pixo
