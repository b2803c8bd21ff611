#pragma once

#include <windows.h>

#include "platform/sound.h"

namespace pixo {

// Plays WAV resources of a module (by default the program itself) straight from its mapped image.
class Win32Sound final : public ISound {
  public:
    explicit Win32Sound(HMODULE module = nullptr);

    // A missing resource reports the error of the resource lookup.
    SoundResult PlayWavResource(const std::string& name) override;
    void AsteriskBeep() override;

  private:
    HMODULE module_;
};

}  // namespace pixo
