#include "help/version_text.h"

namespace pixo {

std::string VersionNumberText(const std::optional<FileVersion>& version) {
    if (!version)
        return {};
    return std::to_string(version->major) + "." + std::to_string(version->minor) + "." +
           std::to_string(version->release);
}

std::string VersionBoxText(const std::string& versionNumber) {
    return "Pixoscope version " + versionNumber;
}

}  // namespace pixo
