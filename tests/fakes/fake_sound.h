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
        const SoundResult result = it == results.end() ? SoundResult{} : it->second;
        if (!result.missing && !result.refused)
            played.push_back(name);
        return result;
    }
    void AsteriskBeep() override { ++beeps; }

    std::map<std::string, SoundResult> results;
    std::vector<std::string> requested;  // every call
    std::vector<std::string> played;     // the calls that played
    int beeps = 0;
};

}  // namespace pixo
