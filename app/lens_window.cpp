#include "app/lens_window.h"

#include <windowsx.h>

#include "app/menu_builder.h"
#include "commands/keys.h"
#include "platform/win32/dib_info.h"
#include "platform/win32/win32_timer.h"
#include "platform/win32/win32_worker.h"
#include "resources/resource_ids.h"

namespace pixo {
namespace {

constexpr wchar_t kClassName[] = L"TFormFilter";
constexpr int kSize = TFormFilter::kLensSize;

Modifiers CurrentModifiers() {
    Modifiers m = kNoModifier;
    if (GetKeyState(VK_SHIFT) < 0)
        m |= kShift;
    if (GetKeyState(VK_CONTROL) < 0)
        m |= kCtrl;
    if (GetKeyState(VK_MENU) < 0)
        m |= kAlt;
    return m;
}

}  // namespace

bool LensWindow::Create(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &LensWindow::Procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PIXOSCOPE));
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursorW(nullptr, IDC_HAND);
    wc.hbrBackground = nullptr;  // never erased: every paint copies the whole picture
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);

    HWND window = CreateWindowExW(WS_EX_TOPMOST, kClassName, L"Pixoscope", WS_POPUP, 200, 200, kSize, kSize, nullptr,
                                  nullptr, instance, this);
    if (window == nullptr)
        return false;
    host_.Attach(window);
    form_.FormCreate();
    created_ = true;
    return true;
}

LRESULT CALLBACK LensWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<LensWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->host_.Handle() != window)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT LensWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = host_.Handle();
    switch (message) {
        case WM_WINDOWPOSCHANGED: {
            const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
            form_.WmWindowPosChanged();
            // Paint at once rather than when the queue runs dry, so that a fast drag never shows the
            // picture of the previous position at the new one.
            if (created_ && IsWindowVisible(window))
                UpdateWindow(window);
            return result;
        }
        case WM_ACTIVATEAPP: {
            const bool handled =
                form_.WmActivateApp(wParam != 0, [&] { DefWindowProcW(window, message, wParam, lParam); });
            return handled ? 0 : DefWindowProcW(window, message, wParam, lParam);
        }
        case WM_ERASEBKGND:
            return TFormFilter::WmEraseBkgnd() ? 1 : 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            // Key-downs with Alt held arrive as system keys; they are the program's, not the system menu's,
            // except Alt+F4, which still closes the window as everywhere else.
            form_.KeyDown(static_cast<std::uint16_t>(wParam), CurrentModifiers());
            if (message == WM_SYSKEYDOWN && wParam == VK_F4)
                break;
            return 0;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            form_.KeyUp(static_cast<std::uint16_t>(wParam), CurrentModifiers());
            return 0;
        case WM_SYSCHAR:
            return 0;  // no beep for Alt+letter
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_KEYMENU)
                return 0;
            break;
        case WM_LBUTTONDOWN:
            Press(MouseButton::Left, wParam, lParam, false);
            return 0;
        case WM_LBUTTONDBLCLK:
            Press(MouseButton::Left, wParam, lParam, true);
            return 0;
        case WM_MBUTTONDOWN:
            Press(MouseButton::Middle, wParam, lParam, false);
            return 0;
        case WM_MBUTTONDBLCLK:
            Press(MouseButton::Middle, wParam, lParam, true);
            return 0;
        case WM_RBUTTONDOWN:
            Press(MouseButton::Right, wParam, lParam, false);
            return 0;
        case WM_RBUTTONDBLCLK:
            Press(MouseButton::Right, wParam, lParam, true);
            return 0;
        case WM_LBUTTONUP:
        case WM_MBUTTONUP:
            if ((wParam & (MK_LBUTTON | MK_MBUTTON | MK_RBUTTON)) == 0)
                ReleaseCapture();
            form_.MouseUp();
            return 0;
        case WM_RBUTTONUP:
            if ((wParam & (MK_LBUTTON | MK_MBUTTON)) == 0)
                ReleaseCapture();
            form_.MouseUp();
            break;  // the default handling sends WM_CONTEXTMENU
        case WM_MOUSEMOVE:
            form_.MouseMove(CurrentModifiers(), (wParam & MK_LBUTTON) != 0, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_MOUSEWHEEL:
            form_.MouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), CurrentModifiers());
            return 0;
        case WM_CONTEXTMENU:
            ShowMenu(lParam);
            return 0;
        case WM_TIMER:
            if (wParam == Win32Timer::kMessageTimerId)
                form_.Timer1Timer();
            else if (wParam == Win32Timer::kReadoutTimerId)
                form_.ReadoutTimerTimer();
            return 0;
        case WM_GETOBJECT:
            return AnswerGetObject(wParam, lParam);
        case Win32Worker::kJobDoneMessage:
            // A save made off the window's thread is done; the message owns its result.
            form_.JobDone(Win32Worker::Received(lParam));
            return 0;
        case WM_SETTINGCHANGE:
            form_.SettingsChanged();
            break;
        case WM_DISPLAYCHANGE:
            form_.WmDisplayChange();
            break;
        case WM_GETDPISCALEDSIZE: {
            // The lens keeps its physical pixels on a monitor of any scaling: the size it has is its size.
            auto* size = reinterpret_cast<SIZE*>(lParam);
            size->cx = kSize;
            size->cy = kSize;
            return TRUE;
        }
        case WM_DPICHANGED:
            // Handled without taking the suggested rectangle, which is the lens scaled for the new monitor.
            form_.WmDpiChanged();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            // Windows ends the program after this message without closing the window.
            form_.WmEndSession(wParam != FALSE);
            return 0;
        case WM_CLOSE:
            form_.FormClose();
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            accessibility_.Disconnect();
            form_.FormDestroy();
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void LensWindow::Press(MouseButton button, WPARAM /*wParam*/, LPARAM lParam, bool doubleClick) {
    // The window keeps the pointer while a button is down, so a drag continues outside the lens.
    SetCapture(host_.Handle());
    form_.MouseDown(button, CurrentModifiers(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), doubleClick);
}

// A screen reader (or another accessibility client) asks for the lens's client area: it gets the lens's own
// accessible object, and the core learns that someone listens. Other objects are the system's.
LRESULT LensWindow::AnswerGetObject(WPARAM wParam, LPARAM lParam) {
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT))
        return DefWindowProcW(host_.Handle(), WM_GETOBJECT, wParam, lParam);
    form_.WmGetObject();
    if (const LRESULT object = accessibility_.ClientObject(wParam, [this] { return form_.AccessibleReadout(); }))
        return object;
    return DefWindowProcW(host_.Handle(), WM_GETOBJECT, wParam, lParam);
}

void LensWindow::ShowMenu(LPARAM lParam) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (at.x == -1 && at.y == -1)
        GetCursorPos(&at);
    if (const std::optional<MenuId> chosen = TrackLensMenu(host_.Handle(), form_.PopupMenu1Popup(), at))
        form_.MenuClick(*chosen);
}

void LensWindow::PaintInto(HDC dc) {
    const Bitmap& picture = form_.BackBuffer();
    const BITMAPINFO info = TopDownInfo(picture.Width(), picture.Height());
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(picture.Width()), static_cast<DWORD>(picture.Height()), 0, 0, 0,
                      static_cast<UINT>(picture.Height()), picture.Data(), &info, DIB_RGB_COLORS);
    labelPainter_.Paint(dc, form_.LabelsToPaint());
}

void LensWindow::Paint() {
    {
        const PaintDc paint(host_.Handle());
        const HDC dc = paint.Get();
        if (form_.DoubleBuffered()) {
            // Picture and labels are composed off-screen and reach the screen in one copy.
            if (!bufferDc_) {
                bufferDc_.Reset(CreateCompatibleDC(dc));
                bufferBitmap_.Reset(CreateCompatibleBitmap(dc, kSize, kSize));
                bufferSelection_.emplace(bufferDc_.Get(), bufferBitmap_.Get());
            }
            PaintInto(bufferDc_.Get());
            BitBlt(dc, 0, 0, kSize, kSize, bufferDc_.Get(), 0, 0, SRCCOPY);
        } else {
            PaintInto(dc);
        }
    }
    form_.FormPaint();
}

}  // namespace pixo
