#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/sound.h"

namespace pixo {

// Plays nothing; records what was asked. Every name plays unless `results` says otherwise.
class FakeSound final : public ISound {
  public:
    SoundResult PlayWavResource(const std::string& name) override {
        requested.push_back(name);
        const auto it = results.find(name);
        const SoundResult result = it == results.end() ? SoundResult::Played : it->second;
        if (result == SoundResult::Played)
            played.push_back(name);
        return result;
    }
    void AsteriskBeep() override { ++beeps; }
    int LastErrorCode() override { return lastErrorCode; }
    std::string ErrorMessage(int code) override {
        askedCodes.push_back(code);
        return errorMessage;
    }

    std::map<std::string, SoundResult> results;
    std::vector<std::string> requested;  // every call
    std::vector<std::string> played;     // the calls that played
    int beeps = 0;
    int lastErrorCode = 1813;  // the resource type was not found in the image file
    std::string errorMessage = "The specified resource type cannot be found in the image file.";
    std::vector<int> askedCodes;
};

}  // namespace pixo
