#pragma once

#include <string>

namespace pixo {

enum class SoundResult {
    Played,
    NotFound,    // no WAV resource of that name
    NotLoaded,   // found, but it could not be loaded or locked
    PlayFailed,  // the sound system refused it
};

class ISound {
  public:
    virtual ~ISound() = default;
    // Starts playing the program's WAV resource asynchronously from memory.
    virtual SoundResult PlayWavResource(const std::string& name) = 0;
    // The system's asterisk beep.
    virtual void AsteriskBeep() = 0;
    // The operating system's last error code and its message, for the error box.
    virtual int LastErrorCode() = 0;
    virtual std::string ErrorMessage(int code) = 0;
};

}  // namespace pixo
