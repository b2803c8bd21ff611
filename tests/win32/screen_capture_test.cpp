#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "capture/desktop.h"
#include "platform/win32/win32_screen_capture.h"

namespace pixo {
namespace {

TEST(Win32ScreenCaptureTest, GrabsTheVirtualScreenOfEveryMonitor) {
    Win32ScreenCapture capture;
    const MonitorLayout monitors = capture.Monitors();
    ASSERT_FALSE(monitors.empty());
    EXPECT_EQ(std::count_if(monitors.begin(), monitors.end(), [](const Monitor& m) { return m.primary; }), 1);
    const ScreenRect all = VirtualScreen(monitors);
    EXPECT_EQ(all, (ScreenRect{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                               GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)}));

    Bitmap screen(3, 3);
    MonitorLayout layout;
    ASSERT_FALSE(capture.Grab(screen, layout));
    EXPECT_EQ(layout, monitors);
    EXPECT_EQ(screen.Width(), all.width);
    EXPECT_EQ(screen.Height(), all.height);
    for (int y = 0; y < screen.Height(); y += 7) {
        for (int x = 0; x < screen.Width(); x += 7)
            ASSERT_EQ(screen.Row(y)[x] >> 24, 0u) << x << "," << y;
    }
    ASSERT_FALSE(capture.Grab(screen, layout));  // again, into a bitmap of the right size already
    EXPECT_EQ(screen.Width(), all.width);
}

LRESULT CALLBACK PaintRed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(window, &paint);
        RECT all{};
        GetClientRect(window, &all);
        const HBRUSH brush = CreateSolidBrush(RGB(230, 20, 90));
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A window of a known colour shows up in the capture in that colour, in the right place.
TEST(Win32ScreenCaptureTest, CapturesWhatIsOnTheScreenInItsColours) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PaintRed;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PixoCaptureProbe";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(WS_EX_TOPMOST, L"PixoCaptureProbe", L"", WS_POPUP | WS_VISIBLE, 40, 30, 120, 80,
                                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    GdiFlush();

    // A window manager maps the window in its own time: wait until it shows.
    Win32ScreenCapture capture;
    Bitmap screen;
    MonitorLayout layout;
    for (int attempt = 0; attempt < 100; ++attempt) {
        ASSERT_FALSE(capture.Grab(screen, layout));
        if (screen.GetPixel(100, 70) == MakeColor(230, 20, 90))
            break;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(20);
    }
    EXPECT_EQ(screen.GetPixel(100, 70), MakeColor(230, 20, 90));
    EXPECT_EQ(screen.GetPixel(41, 31), MakeColor(230, 20, 90));
    EXPECT_NE(screen.GetPixel(38, 28), MakeColor(230, 20, 90));
    DestroyWindow(window);
}

}  // namespace
}  // namespace pixo
