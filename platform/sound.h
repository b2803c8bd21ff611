#pragma once

#include <string>

#include "platform/error.h"

namespace pixo {

// What came of asking to play a WAV resource of the program.
struct [[nodiscard]] SoundResult {
    // Set when the program has no WAV resource of that name: the system's code and text, for the error box.
    Failure missing;
    // The sound system would not play it; the caller beeps instead. A resource that exists but cannot be
    // loaded plays nothing and is neither missing nor refused.
    bool refused = false;
};

class ISound {
  public:
    virtual ~ISound() = default;
    // Starts playing the program's WAV resource asynchronously from memory.
    virtual SoundResult PlayWavResource(const std::string& name) = 0;
    // The system's asterisk beep.
    virtual void AsteriskBeep() = 0;
};

}  // namespace pixo
