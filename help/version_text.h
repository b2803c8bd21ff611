#pragma once

#include <optional>
#include <string>

#include "platform/files.h"

namespace pixo {

// "major.minor.release" of a file version, in plain decimal (the build number is not shown); empty when
// the program file has no version resource.
std::string VersionNumberText(const std::optional<FileVersion>& version);

// The text of the version box.
std::string VersionBoxText(const std::string& versionNumber);

}  // namespace pixo
