// Capture files as the system reads them (GDI's loader and the imaging component that draws the
// picture-open dialog's thumbnails), and the picture-open dialog itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "capture/bmp_encoder.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_files.h"
#include "win32/wic_reader.h"

namespace pixo {
namespace {

// A picture with a different colour in every pixel, of an odd size.
Bitmap TestPicture(int width, int height) {
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, MakeColor(x * 7, y * 11, (x + y) * 3));
    }
    return picture;
}

class CaptureFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = WideToUtf8(temp) + "pixo-captures-" + std::to_string(GetCurrentProcessId());
        ASSERT_EQ(files_.CreateFolders(folder_), std::nullopt);
    }
    void TearDown() override {
        for (const std::string& path : written_)
            DeleteFileW(Utf8ToWide(path).c_str());
        RemoveDirectoryW(Utf8ToWide(folder_).c_str());
    }
    std::string Write(const std::string& name, const Bitmap& picture) {
        const std::string path = folder_ + "\\" + name;
        written_.push_back(path);
        const Failure failure = files_.WriteFile(path, EncodeBmp(picture));
        EXPECT_EQ(failure, std::nullopt) << failure->text;
        return path;
    }

    ComThread com_;
    Win32Files files_;
    std::string folder_;
    std::vector<std::string> written_;
};

TEST_F(CaptureFileTest, GdiLoadsTheSamePixels) {
    const Bitmap picture = TestPicture(37, 23);
    const std::string path = Write("Crop_20261207-001532-045.bmp", picture);
    const HBITMAP loaded = static_cast<HBITMAP>(
        LoadImageW(nullptr, Utf8ToWide(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    ASSERT_NE(loaded, nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 37;
    info.bmiHeader.biHeight = -23;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(37 * 23);
    const HDC dc = GetDC(nullptr);
    EXPECT_EQ(GetDIBits(dc, loaded, 0, 23, pixels.data(), &info, DIB_RGB_COLORS), 23);
    ReleaseDC(nullptr, dc);
    DeleteObject(loaded);
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 37; ++x)
            ASSERT_EQ(pixels[static_cast<std::size_t>(y * 37 + x)] & 0xFFFFFFu, picture.Row(y)[x]) << x << "," << y;
    }
}

TEST_F(CaptureFileTest, TheImagingComponentReadsItOpaqueWithTheSamePixels) {
    const Bitmap picture = TestPicture(21, 13);
    const std::string path = Write("Scrn_20261207-001532-045.bmp", picture);
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::optional<DecodedPicture> read = ReadWithWic(bytes);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->width, 21u);
    EXPECT_EQ(read->height, 13u);
    for (int y = 0; y < 13; ++y) {
        for (int x = 0; x < 21; ++x)
            ASSERT_EQ(read->pixels[static_cast<std::size_t>(y * 21 + x)], picture.Row(y)[x] | 0xFF000000u)
                << x << "," << y;
    }
}

// The first visible dialog box of this process.
HWND FindOwnDialog() {
    struct Query {
        DWORD process;
        HWND found;
    } query{GetCurrentProcessId(), nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* q = reinterpret_cast<Query*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[32] = {};
            GetClassNameW(window, name, 32);
            if (owner != q->process || !IsWindowVisible(window) || std::wstring(name) != L"#32770")
                return TRUE;
            q->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&query));
    return query.found;
}

// Waits up to `seconds` for the condition.
template <typename Condition>
bool Within(int seconds, Condition condition) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end) {
        if (condition())
            return true;
        Sleep(50);
    }
    return condition();
}

TEST_F(CaptureFileTest, PictureDialogStartsInTheCaptureFolderAndAnswersTheChosenFile) {
    Write("Scrn_20261207-001532-045.bmp", TestPicture(8, 8));
    const std::string wanted = Write("Scrn_20261207-001533-100.bmp", TestPicture(9, 9));

    // A user types the second file's bare name, which only the capture folder resolves, and confirms.
    bool typed = false;
    std::thread user([&] {
        HWND dialog = nullptr;
        if (!Within(20, [&] { return (dialog = FindOwnDialog()) != nullptr; }))
            return;
        HWND edit = FindWindowExW(dialog, nullptr, L"ComboBoxEx32", nullptr);
        edit = edit != nullptr ? FindWindowExW(edit, nullptr, L"ComboBox", nullptr) : nullptr;
        edit = edit != nullptr ? FindWindowExW(edit, nullptr, L"Edit", nullptr) : nullptr;
        if (edit == nullptr)
            edit = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
        if (edit != nullptr) {
            SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Scrn_20261207-001533-100.bmp"));
            typed = true;
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
        // Never leave the test waiting on a dialog that did not take the answer.
        if (!Within(10, [&] { return !IsWindow(dialog); }))
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    Win32Dialogs dialogs(nullptr);
    const std::optional<std::string> chosen = dialogs.OpenPicture(folder_);
    user.join();
    ASSERT_TRUE(typed) << "no dialog with a file name box appeared";
    ASSERT_TRUE(chosen.has_value()) << "the dialog answered nothing";
    EXPECT_EQ(Utf8ToWide(*chosen), Utf8ToWide(wanted));
}

}  // namespace
}  // namespace pixo
