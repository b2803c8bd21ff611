#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <utility>

#include "platform/win32/system_error.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_picture_encoder.h"
#include "win32/wic_reader.h"

namespace pixo {

void PrintTo(const PlatformError& error, std::ostream* out) {
    *out << "{" << error.code << ", \"" << error.text << "\"}";
}

namespace {

HWND CreateOwner() {
    return CreateWindowExW(0, L"STATIC", L"clipboard owner", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// Text of a clipboard format, read past the clipboard class under test.
template <typename Char>
std::basic_string<Char> RawText(UINT format) {
    std::basic_string<Char> text;
    if (!OpenClipboard(nullptr))
        return text;
    if (const HANDLE data = GetClipboardData(format)) {
        if (const auto* chars = static_cast<const Char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// Another thread that opens the clipboard and keeps it open until Release.
class ClipboardHolder {
  public:
    ClipboardHolder() {
        opened_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this] {
            const HWND window = CreateOwner();
            held_ = OpenClipboard(window) != FALSE;
            SetEvent(opened_);
            WaitForSingleObject(release_, INFINITE);
            if (held_)
                CloseClipboard();
            DestroyWindow(window);
        });
        WaitForSingleObject(opened_, INFINITE);
    }
    ~ClipboardHolder() {
        Release();
        CloseHandle(opened_);
        CloseHandle(release_);
    }
    void Release() {
        SetEvent(release_);
        if (thread_.joinable())
            thread_.join();
    }
    bool Held() const { return held_; }

  private:
    HANDLE opened_;
    HANDLE release_;
    bool held_ = false;
    std::thread thread_;
};

// A picture prepared and put on the clipboard at once, as a save does in two steps on two threads.
Failure PutPicture(Win32Clipboard& clipboard, const Bitmap& bitmap, std::span<const std::uint8_t> png = {}) {
    std::unique_ptr<ClipboardPicture> prepared;
    if (Failure failure = clipboard.PreparePicture(bitmap, png, prepared))
        return failure;
    return clipboard.SetPicture(std::move(prepared));
}

class Win32ClipboardTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(owner_, nullptr); }
    void TearDown() override { DestroyWindow(owner_); }

    HWND owner_ = CreateOwner();
    Win32Clipboard clipboard_{[this] { return owner_; }};
};

TEST_F(Win32ClipboardTest, TextIsOfferedAsUnicodeAndAsTheOriginalBytes) {
    ASSERT_EQ(clipboard_.SetText("H30\xF8 S100.0 B100.0"), std::nullopt);
    EXPECT_EQ(RawText<wchar_t>(CF_UNICODETEXT), L"H30\u00F8 S100.0 B100.0");
    EXPECT_EQ(RawText<char>(CF_TEXT), "H30\xF8 S100.0 B100.0");
    EXPECT_EQ(clipboard_.GetText(), "H30\xC3\xB8 S100.0 B100.0");

    ASSERT_EQ(clipboard_.SetText(" C0% M50% Y100% K0% \x80"), std::nullopt);
    EXPECT_EQ(RawText<wchar_t>(CF_UNICODETEXT), L" C0% M50% Y100% K0% \u20AC");
    EXPECT_EQ(clipboard_.GetText(), " C0% M50% Y100% K0% \xE2\x82\xAC");
}

TEST_F(Win32ClipboardTest, ABusyClipboardKeepsItsContent) {
    ASSERT_EQ(clipboard_.SetText("R128 G128 B128"), std::nullopt);
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Held());
        EXPECT_TRUE(clipboard_.SetText("#808080").has_value());
        EXPECT_TRUE(PutPicture(clipboard_, Bitmap(4, 4)).has_value());
    }
    EXPECT_EQ(clipboard_.GetText(), "R128 G128 B128");
}

// A window that closes the clipboard when told that it no longer owns it: the next program to empty the
// clipboard finds it closed under its hands, a failure after opening.
LRESULT CALLBACK ClosesTheClipboard(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROYCLIPBOARD)
        CloseClipboard();
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateClosingOwner() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &ClosesTheClipboard;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PixoClosingClipboardOwner";
    RegisterClassW(&windowClass);  // fails harmlessly when registered by an earlier case
    return CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                           windowClass.hInstance, nullptr);
}

// Only a clipboard that could not be opened is reported as such; a failure after opening it reports the
// system's code and text.
TEST_F(Win32ClipboardTest, OpenFailureAndLaterFailureReportDifferently) {
    struct Case {
        const char* name;
        bool heldByAnother;  // another program holds the clipboard open
        bool ownerClosesIt;  // its owner closes it while it is being emptied
        PlatformError expected;
    };
    const Case cases[] = {
        {"held open by another program", true, false, {0, "Cannot open clipboard"}},
        {"closed while being emptied", false, true, SystemError(ERROR_CLIPBOARD_NOT_OPEN)},
    };
    using Put = std::function<Failure(Win32Clipboard&)>;
    const std::pair<const char*, Put> puts[] = {
        {"text", [](Win32Clipboard& c) { return c.SetText("R1 G2 B3"); }},
        {"bitmap", [](Win32Clipboard& c) { return PutPicture(c, Bitmap(4, 4)); }},
    };
    for (const Case& test : cases) {
        for (const auto& [what, put] : puts) {
            SCOPED_TRACE(std::string(test.name) + ", " + what);
            std::optional<ClipboardHolder> holder;
            const HWND closingOwner = test.ownerClosesIt ? CreateClosingOwner() : nullptr;
            if (closingOwner != nullptr) {
                ASSERT_EQ(Win32Clipboard([&] { return closingOwner; }).SetText("theirs"), std::nullopt);
            }
            if (test.heldByAnother) {
                ASSERT_TRUE(holder.emplace().Held());
            }
            EXPECT_EQ(put(clipboard_), test.expected);
            if (closingOwner != nullptr)
                DestroyWindow(closingOwner);
        }
    }
    EXPECT_NE(SystemErrorText(ERROR_CLIPBOARD_NOT_OPEN), "") << "the later failure carries the system's text";
}

TEST_F(Win32ClipboardTest, BitmapIsADibWithTheSamePixels) {
    Bitmap picture(3, 2);
    picture.SetPixel(0, 0, HexColor(0xFF0000));
    picture.SetPixel(2, 0, HexColor(0x00FF00));
    picture.SetPixel(1, 1, HexColor(0x0000FF));
    picture.SetPixel(2, 1, HexColor(0x123456));
    ASSERT_EQ(PutPicture(clipboard_, picture), std::nullopt);
    EXPECT_EQ(clipboard_.GetText(), std::nullopt);  // the text before was emptied away

    // Programs that paste only device-dependent bitmaps get one made by the system.
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));

    ASSERT_TRUE(OpenClipboard(nullptr));
    const HANDLE data = GetClipboardData(CF_DIB);
    ASSERT_NE(data, nullptr);
    const auto* bytes = static_cast<const unsigned char*>(GlobalLock(data));
    ASSERT_NE(bytes, nullptr);
    BITMAPINFOHEADER header{};
    std::memcpy(&header, bytes, sizeof(header));
    EXPECT_EQ(header.biWidth, 3);
    EXPECT_EQ(std::abs(header.biHeight), 2);
    EXPECT_EQ(header.biBitCount, 32);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    const auto* pixels = reinterpret_cast<const std::uint32_t*>(bytes + header.biSize);
    for (int y = 0; y < 2; ++y) {
        const int row = header.biHeight > 0 ? 1 - y : y;
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(pixels[row * 3 + x] & 0xFFFFFFu, ToPixel(picture.GetPixel(x, y))) << x << "," << y;
    }
    GlobalUnlock(data);
    CloseClipboard();
}

TEST_F(Win32ClipboardTest, BitmapIsOfferedOpaqueInTheFormatsPaintAndOfficeProgramsTake) {
    Bitmap picture(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            picture.SetPixel(x, y, MakeColor(40 * x, 80 * y, 255 - 20 * x));
    }
    ASSERT_EQ(PutPicture(clipboard_, picture), std::nullopt);
    ASSERT_TRUE(OpenClipboard(nullptr));

    // CF_DIBV5: bit fields with an alpha channel that says opaque, in sRGB.
    const HANDLE v5Data = GetClipboardData(CF_DIBV5);
    ASSERT_NE(v5Data, nullptr);
    if (const auto* bytes = static_cast<const unsigned char*>(GlobalLock(v5Data))) {
        BITMAPV5HEADER header{};
        std::memcpy(&header, bytes, sizeof(header));
        EXPECT_EQ(header.bV5Size, sizeof(BITMAPV5HEADER));
        EXPECT_EQ(header.bV5Width, 5);
        EXPECT_EQ(header.bV5Height, 3);
        EXPECT_EQ(header.bV5BitCount, 32);
        EXPECT_EQ(header.bV5Compression, static_cast<DWORD>(BI_BITFIELDS));
        EXPECT_EQ(header.bV5AlphaMask, 0xFF000000u);
        EXPECT_EQ(header.bV5CSType, 0x73524742u);  // 'sRGB'
        const auto* pixels = reinterpret_cast<const std::uint32_t*>(bytes + header.bV5Size);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(pixels[(2 - y) * 5 + x], ToPixel(picture.GetPixel(x, y)) | 0xFF000000u) << x << "," << y;
        }
        GlobalUnlock(v5Data);
    }

    // CF_BITMAP, made by the system, shows the same picture.
    const auto ddb = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(ddb, nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 5;
    info.bmiHeader.biHeight = -3;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::uint32_t pixels[15] = {};
    const HDC dc = GetDC(nullptr);
    EXPECT_EQ(GetDIBits(dc, ddb, 0, 3, pixels, &info, DIB_RGB_COLORS), 3);
    ReleaseDC(nullptr, dc);
    CloseClipboard();
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(pixels[y * 5 + x] & 0xFFFFFFu, ToPixel(picture.GetPixel(x, y))) << x << "," << y;
    }
}

// Programs that paste PNG (office programs, browsers, image editors) find the registered "PNG" format beside
// the bitmaps: a PNG file of exactly the same pixels. The picture is made ready on another thread, as a save
// does.
TEST_F(Win32ClipboardTest, APictureWithItsPngOffersItInThePngFormatWithTheSamePixels) {
    const ComThread com;
    Bitmap picture(7, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 7; ++x)
            picture.SetPixel(x, y, MakeColor(x * 37, y * 61, 255 - x * y * 9));
    }
    std::unique_ptr<ClipboardPicture> prepared;
    std::thread worker([&] {
        std::vector<std::uint8_t> png;
        ASSERT_EQ(Win32PictureEncoder().EncodePng(picture, png), std::nullopt);
        ASSERT_EQ(clipboard_.PreparePicture(picture, png, prepared), std::nullopt);
    });
    worker.join();
    ASSERT_NE(prepared, nullptr);
    ASSERT_EQ(clipboard_.SetPicture(std::move(prepared)), std::nullopt);

    const UINT pngFormat = RegisterClipboardFormatW(L"PNG");
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIBV5));
    ASSERT_TRUE(IsClipboardFormatAvailable(pngFormat));
    std::vector<std::uint8_t> file;
    ASSERT_TRUE(OpenClipboard(nullptr));
    if (const HANDLE data = GetClipboardData(pngFormat)) {
        if (const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(data))) {
            file.assign(bytes, bytes + GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    const std::optional<DecodedPicture> decoded = ReadWithWic(file);
    ASSERT_TRUE(decoded.has_value()) << "the imaging component cannot read the PNG format's bytes";
    ASSERT_EQ(decoded->width, 7u);
    ASSERT_EQ(decoded->height, 4u);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(decoded->pixels[static_cast<std::size_t>(y * 7 + x)], picture.Row(y)[x] | 0xFF000000u)
                << x << "," << y;
    }
}

}  // namespace
}  // namespace pixo
