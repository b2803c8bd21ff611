#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace pixo {

class FakeShell final : public IShell {
  public:
    Failure Open(const std::string& target) override {
        opened.push_back(target);
        return openFailure;
    }
    std::string DocumentsFolder() override { return documentsFolder; }
    std::string ProgramPath() override { return programPath; }

    std::vector<std::string> opened;
    Failure openFailure;  // what every open reports
    std::string documentsFolder = "C:\\Users\\Tester\\Documents";
    std::string programPath = "C:\\Program Files\\Pixoscope\\Pixoscope.exe";
};

}  // namespace pixo
