#pragma once

// Scenarios that save captures. The lens runs as a developer build (the marker file beside it), so its
// captures go to "Screendumps" beside the program, a folder these scenarios own.

#include <windows.h>

#include <string>
#include <vector>

#include "e2e/driver/lens_session.h"

namespace pixo::e2e {

// The folder of pixoscope.exe.
std::wstring ProgramFolder();
void DeleteFolderOrFile(const std::wstring& path);
bool CreateEmptyFile(const std::wstring& path);
// A BMP file as the system's loader reads it; an empty picture when it cannot.
ScreenPicture LoadBmp(const std::wstring& path);
// A PNG file as the system's imaging component reads it; an empty picture when it cannot, or when it is not
// 24-bit RGB.
ScreenPicture LoadPng(const std::wstring& path);

// Empty when the picture is of the screen rectangle `shot` and shows the test desktop in `variant` there, as
// far as the monitors' work areas go (a taskbar may lie over the rest), and black where no monitor shows
// anything; otherwise what differs.
std::string CheckCapture(const ScreenPicture& picture, const RECT& shot, Variant variant);

class CaptureSession : public LensSession {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Sets up the capture folder's place before the lens starts; it does not exist by default.
    virtual void PrepareFolder() {}

    // The names of the pictures of one type in the capture folder, sorted. (A file being written has another
    // name.)
    std::vector<std::wstring> Captures(const std::wstring& extension = L".bmp") const;
    // Waits until the folder holds `count` files of the type, and reads the last of them (by name) that starts
    // with `prefix`. A file appears under its name only once it is complete.
    ScreenPicture WaitForCapture(std::size_t count,
                                 const std::wstring& prefix,
                                 const std::wstring& extension = L".bmp");
    // Reads a picture of the capture folder.
    ScreenPicture Load(const std::wstring& name, const std::wstring& extension) const;
    // Moves the lens by the keyboard, ten pixels a press with Ctrl.
    void MoveLensBy(int tensRight, int tensDown);
    // The error box of the lens, or null.
    HWND ErrorBox();

    std::wstring folder_;
    std::wstring marker_;
};

}  // namespace pixo::e2e
