#pragma once

#include <string>

namespace pixo {

class IShell {
  public:
    virtual ~IShell() = default;
    // Opens a document, folder or web address with its default verb; the result is not checked.
    virtual void Open(const std::string& target) = 0;
    // The user's documents folder (UTF-8), without a trailing backslash guarantee; empty when unknown.
    virtual std::string DocumentsFolder() = 0;
    // The full path of the running program file (UTF-8).
    virtual std::string ProgramPath() = 0;
};

}  // namespace pixo
