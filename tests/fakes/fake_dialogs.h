#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace pixo {

// Shows nothing; records the messages and answers the picture-open dialog with `openPictureAnswer`
// (nothing: the user cancelled).
class FakeDialogs final : public IDialogs {
  public:
    void Message(const std::string& text) override { messages.push_back(text); }
    void Error(const std::string& text) override { errors.push_back(text); }
    std::optional<std::string> OpenPicture(const std::string& folder) override {
        openPictureFolders.push_back(folder);
        return openPictureAnswer;
    }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> openPictureFolders;  // the folder of each dialog shown
    std::optional<std::string> openPictureAnswer;
};

}  // namespace pixo
