#pragma once

#include <string>

#include "platform/dialogs.h"
#include "platform/win32/handles.h"

namespace pixo {

// Message boxes titled with the program's name and the picture-open dialog, modal to the owner window. The
// picture-open dialog is the system's common item dialog, showing the pictures as thumbnails; where the
// system has none, the classic open dialog. COM must be initialised on the calling thread.
class Win32Dialogs final : public IDialogs {
  public:
    explicit Win32Dialogs(OwnerWindow owner);

    void Message(const std::string& text) override;
    void Error(const std::string& text) override;
    std::optional<std::string> OpenPicture(const std::string& folder) override;

  private:
    HWND Owner() const;

    OwnerWindow owner_;
};

// The first file of an open dialog's answer. With one file chosen the buffer holds its full path; with
// several, the folder and then each file name, every one ended by a null and the list by a second null.
std::wstring FirstChosenFile(const wchar_t* buffer);

}  // namespace pixo
