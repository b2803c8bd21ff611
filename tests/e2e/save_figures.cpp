// The save figures of docs/performance.md, measured in the real program: how long a full-screen save takes from
// Insert until its file is complete, the file's size, and the longest the lens window's thread is kept busy
// meanwhile. That last one is found from outside, as a user would feel it: a message is sent to the lens every
// two milliseconds and the longest wait for its answer is kept (it includes the Insert's own handling, which
// waits in the same queue). Three screens are saved: the test desktop's coordinate pattern (smooth, the best
// case for PNG), a page of text with a title bar, a toolbar and coloured marks (what screenshots mostly are),
// and noise (the worst case). Each as PNG, as BMP and to the clipboard (a bitmap and a PNG), several rounds:
// the median time and the longest wait.
//
// Not a test: scripts/save_figures.sh runs it by hand on a virtual screen of each size. PIXO_EXE names the
// program; it runs as a developer build (the marker file beside it) with its own settings, and its captures go
// to "Screendumps" beside it, which this program empties before and after.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "e2e/driver/system.h"
#include "e2e/test_desktop_layout.h"

namespace pixo::e2e {
namespace {

constexpr int kRounds = 5;
constexpr wchar_t kContentClass[] = L"PixoFiguresContent";
constexpr wchar_t kDeveloperKey[] = L"Software\\Kestrow Software\\Pixoscope (developer build)";

enum class Content { Pattern, Text, Noise };
const char* NameOf(Content content) {
    return content == Content::Pattern ? "pattern" : content == Content::Text ? "text" : "noise";
}

double Ms(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// ---- The screen's content: a full-screen window showing one picture.

struct Picture {
    int width = 0;
    int height = 0;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    std::uint32_t* pixels = nullptr;  // top-down 0x00RRGGBB
};
Picture g_picture;

LRESULT CALLBACK ContentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        BitBlt(dc, 0, 0, g_picture.width, g_picture.height, g_picture.dc, 0, 0, SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void DrawText(const Picture& picture) {
    RECT all{0, 0, picture.width, picture.height};
    FillRect(picture.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const HBRUSH title = CreateSolidBrush(RGB(0, 84, 166));
    const HBRUSH toolbar = CreateSolidBrush(RGB(236, 236, 236));
    RECT bar{0, 0, picture.width, 30};
    FillRect(picture.dc, &bar, title);
    bar = {0, 30, picture.width, 70};
    FillRect(picture.dc, &bar, toolbar);
    DeleteObject(title);
    DeleteObject(toolbar);
    const HFONT font = CreateFontW(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"Arial");
    const HGDIOBJ previous = SelectObject(picture.dc, font);
    SetBkMode(picture.dc, TRANSPARENT);
    const std::wstring line =
        L"The lens shows a frozen capture of the screen; a save writes it as it was, pixel for pixel, 0123456789.";
    const COLORREF colours[] = {RGB(20, 20, 20), RGB(20, 20, 20), RGB(20, 20, 20), RGB(160, 30, 30), RGB(30, 110, 40)};
    int row = 0;
    for (int y = 84; y + 18 < picture.height; y += 20, ++row) {
        SetTextColor(picture.dc, colours[row % 5]);
        for (int x = 16 + (row % 3) * 24; x < picture.width; x += 960)
            TextOutW(picture.dc, x, y, line.c_str(), static_cast<int>(line.size()));
    }
    SelectObject(picture.dc, previous);
    DeleteObject(font);
    for (int i = 0; i < 12; ++i) {
        const HBRUSH mark = CreateSolidBrush(RGB(40 * i % 256, 200 - 15 * i, 90 + 13 * i));
        RECT r{picture.width - 220 + (i % 4) * 50, 100 + (i / 4) * 50, picture.width - 180 + (i % 4) * 50,
               140 + (i / 4) * 50};
        FillRect(picture.dc, &r, mark);
        DeleteObject(mark);
    }
    GdiFlush();
}

void Fill(Picture& picture, Content content) {
    std::mt19937 random(7);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            std::uint32_t& p = picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
            p = content == Content::Pattern ? CoordinateRgb(x, y) : (random() & 0xFFFFFFu);
        }
    }
    if (content == Content::Text)
        DrawText(picture);
}

HWND ShowContent(Content content) {
    g_picture.width = GetSystemMetrics(SM_CXSCREEN);
    g_picture.height = GetSystemMetrics(SM_CYSCREEN);
    if (g_picture.dc == nullptr) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), g_picture.width, -g_picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        g_picture.dc = CreateCompatibleDC(nullptr);
        g_picture.bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        g_picture.pixels = static_cast<std::uint32_t*>(bits);
        SelectObject(g_picture.dc, g_picture.bitmap);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &ContentProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kContentClass;
        RegisterClassW(&windowClass);
    }
    Fill(g_picture, content);
    const HWND window = CreateWindowExW(0, kContentClass, L"figures", WS_POPUP | WS_VISIBLE, 0, 0, g_picture.width,
                                        g_picture.height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    const Clock::time_point shown = Clock::now();
    MSG message;
    while (Clock::now() - shown < milliseconds(1500)) {  // painted and settled on the screen
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(20);
    }
    return window;
}

// ---- The program and its captures.

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

struct Capture {
    std::wstring name;
    std::uint64_t bytes = 0;
};

std::vector<Capture> Captures(const std::wstring& folder) {
    std::vector<Capture> found;
    WIN32_FIND_DATAW data{};
    const HANDLE search = FindFirstFileW((folder + L"\\Scrn_*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    do
        found.push_back({data.cFileName, (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow});
    while (FindNextFileW(search, &data));
    FindClose(search);
    return found;
}

void EmptyFolder(const std::wstring& folder) {
    for (const Capture& capture : Captures(folder))
        DeleteFileW((folder + L"\\" + capture.name).c_str());
}

void Store(const wchar_t* name, DWORD value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kDeveloperKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(key);
}

enum class Target { Png, Bmp, Clipboard };
const char* NameOf(Target target) {
    return target == Target::Png ? "PNG" : target == Target::Bmp ? "BMP" : "clipboard";
}

struct Figures {
    double medianSaveMs = 0;
    double longestBusyMs = 0;
    std::uint64_t bytes = 0;
};

// Insert, posted to the lens as the keyboard would deliver it, then a message every two milliseconds until
// the file is there, or the clipboard has changed.
Figures MeasureSaves(HWND lens, const std::wstring& folder, Target target) {
    Figures figures;
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        const std::size_t before = Captures(folder).size();
        const DWORD clipboard = GetClipboardSequenceNumber();
        const auto done = [&] {
            return target == Target::Clipboard ? GetClipboardSequenceNumber() != clipboard
                                               : Captures(folder).size() != before;
        };
        const Clock::time_point start = Clock::now();
        PostMessageW(lens, WM_KEYDOWN, VK_INSERT, 0x01520001);
        PostMessageW(lens, WM_KEYUP, VK_INSERT, static_cast<LPARAM>(0xC1520001u));
        while (!done() && Clock::now() - start < milliseconds(60000)) {
            const Clock::time_point sent = Clock::now();
            DWORD_PTR answer = 0;
            SendMessageTimeoutW(lens, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer);
            figures.longestBusyMs = std::max(figures.longestBusyMs, Ms(Clock::now() - sent));
            Sleep(2);
        }
        times.push_back(Ms(Clock::now() - start));
        for (const Capture& capture : Captures(folder))
            figures.bytes = std::max(figures.bytes, capture.bytes);
        Sleep(500);
    }
    std::sort(times.begin(), times.end());
    figures.medianSaveMs = times[times.size() / 2];
    return figures;
}

bool Run(const std::wstring& exe) {
    const std::wstring marker = FolderOf(exe) + L"Pixoscope.developer";
    const std::wstring folder = FolderOf(exe) + L"Screendumps";
    CloseHandle(CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    EmptyFolder(folder);
    std::printf("screen %dx%d, %d rounds each\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                kRounds);
    for (const Content content : {Content::Pattern, Content::Text, Content::Noise}) {
        const HWND shown = ShowContent(content);
        for (const Target target : {Target::Png, Target::Bmp, Target::Clipboard}) {
            const SettingsSandbox settings;
            Store(L"SavePNG", target == Target::Png ? 1 : 0);
            Store(L"ToClipBoard", target == Target::Clipboard ? 1 : 0);
            Store(L"SoundOnSave", 0);
            ChildProcess lens;
            std::wstring error;
            HWND window = nullptr;
            if (!lens.Start(exe, L"", error) ||
                !WaitUntil([&] { return (window = FindProcessWindow(lens.Id(), L"TFormFilter", nullptr)) != nullptr; },
                           kStartTimeout)) {
                std::printf("the lens did not start\n");
                return false;
            }
            Sleep(1000);
            const Figures figures = MeasureSaves(window, folder, target);
            std::printf("%-7s %-9s: save %8.1f ms (median), window's thread busy at most %7.1f ms, file %10llu bytes\n",
                        NameOf(content), NameOf(target), figures.medianSaveMs, figures.longestBusyMs,
                        static_cast<unsigned long long>(figures.bytes));
            std::fflush(stdout);
            lens.Close(milliseconds(60000));
            EmptyFolder(folder);
        }
        DestroyWindow(shown);
    }
    RemoveDirectoryW(folder.c_str());
    DeleteFileW(marker.c_str());
    return true;
}

}  // namespace
}  // namespace pixo::e2e

int main() {
    SetProcessDPIAware();
    const std::wstring exe = pixo::e2e::EnvironmentPath(L"PIXO_EXE");
    if (exe.empty()) {
        std::printf("PIXO_EXE names no program\n");
        return 2;
    }
    return pixo::e2e::Run(exe) ? 0 : 1;
}
