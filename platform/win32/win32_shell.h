#pragma once

#include "platform/shell.h"
#include "platform/win32/handles.h"

namespace pixo {

// The shell. Opening runs the target's default verb shown normally, owned by the owner window; the caller should
// have initialised COM on its thread, which some shell extensions need.
class Win32Shell final : public IShell {
  public:
    explicit Win32Shell(OwnerWindow owner);

    Failure Open(const std::string& target) override;
    std::string DocumentsFolder() override;
    std::string ProgramPath() override;

  private:
    OwnerWindow owner_;
};

}  // namespace pixo
