#pragma once

#include <optional>
#include <string>

namespace pixo {

class IDialogs {
  public:
    virtual ~IDialogs() = default;
    // A plain message box with the program's title.
    virtual void Message(const std::string& text) = 0;
    // The program's error box (the text of an error that ended a command).
    virtual void Error(const std::string& text) = 0;
    // The picture-open dialog on `folder` (captures, "*.png" and "*.bmp"; several files may be chosen); the
    // first chosen file.
    virtual std::optional<std::string> OpenPicture(const std::string& folder) = 0;
};

}  // namespace pixo
