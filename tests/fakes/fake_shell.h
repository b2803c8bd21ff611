#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace pixo {

class FakeShell final : public IShell {
  public:
    void Open(const std::string& target) override { opened.push_back(target); }
    std::string DocumentsFolder() override { return documentsFolder; }
    std::string ProgramPath() override { return programPath; }

    std::vector<std::string> opened;
    std::string documentsFolder = "C:\\Users\\Tester\\Documents";
    std::string programPath = "C:\\Program Files\\Pixoscope\\Pixoscope.exe";
};

}  // namespace pixo
