#pragma once

#include <string>

#include "platform/error.h"

namespace pixo {

class IShell {
  public:
    virtual ~IShell() = default;
    // Opens a document, folder or web address with its default verb.
    virtual Failure Open(const std::string& target) = 0;
    // The user's documents folder (UTF-8) as the system names it, without a trailing backslash guarantee;
    // empty when the system names none. The caller checks that it is a full path.
    virtual std::string DocumentsFolder() = 0;
    // The full path of the running program file (UTF-8).
    virtual std::string ProgramPath() = 0;
};

}  // namespace pixo
