// Program entry: makes the platform services, the lens window and its form, and runs the message loop.
#include <ole2.h>
#include <windows.h>

#include "app/lens_pictures.h"
#include "app/lens_window.h"
#include "lens/form_filter.h"
#include "platform/win32/win32_accessibility.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_picture_encoder.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_screen_capture.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_sound.h"
#include "platform/win32/win32_timer.h"
#include "platform/win32/win32_window_host.h"
#include "platform/win32/win32_worker.h"

namespace {

// Per-monitor DPI awareness makes every window coordinate and captured pixel a physical pixel. The manifest
// declares it; this covers a program started without its manifest. Looked up at run time for older systems.
void DeclareDpiAwareness() {
    using SetContextFn = BOOL(WINAPI*)(HANDLE);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (auto setContext = reinterpret_cast<SetContextFn>(
            reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")))) {
        if (setContext(reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4))))  // per monitor, version 2
            return;
    }
    using SetAwareFn = BOOL(WINAPI*)();
    if (auto setAware =
            reinterpret_cast<SetAwareFn>(reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDPIAware"))))
        setAware();
}

// DLLs loaded at run time (by this program, COM or the shell) come from the system folder only, never from
// the program's folder or the current folder. The load configuration (load_config.cpp) does the same for
// the DLLs the program imports. Looked up at run time for systems without it.
void LoadDllsFromSystemFolderOnly() {
    using SetDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    if (auto setDirectories = reinterpret_cast<SetDirectoriesFn>(
            reinterpret_cast<void*>(GetProcAddress(kernel32, "SetDefaultDllDirectories"))))
        setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryW(L"");  // takes the current folder out of the search on systems without the call above
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/) {
    LoadDllsFromSystemFolderOnly();
    DeclareDpiAwareness();
    OleInitialize(nullptr);

    pixo::Win32WindowHost host;
    const pixo::OwnerWindow owner = [&host] { return host.Handle(); };
    pixo::Win32ScreenCapture screen;
    pixo::Win32Clipboard clipboard(owner);
    pixo::Win32Registry registry;
    pixo::Win32Shell shell(owner);
    pixo::Win32Sound sound(instance);
    pixo::Win32Files files;
    pixo::Win32Clock clock;
    pixo::Win32Locale locale;
    pixo::Win32Timer timer(host, pixo::Win32Timer::kMessageTimerId);
    pixo::Win32Dialogs dialogs(owner);
    pixo::Win32Timer readoutTimer(host, pixo::Win32Timer::kReadoutTimerId);
    pixo::Win32Accessibility accessibility(host);
    pixo::Win32PictureEncoder pictures;
    // Made after the services its jobs use, so that it ends (and lets its job end) before they go.
    pixo::Win32Worker worker(host);
    const pixo::Services services{screen, host,  clipboard, registry,     shell,         sound,    files, clock,
                                  locale, timer, dialogs,   readoutTimer, accessibility, pictures, worker};

    pixo::TFormFilter form(services);
    pixo::LoadLensPictures(instance, form);
    pixo::LensWindow window(form, host, accessibility);
    if (!window.Create(instance))
        return 1;
    ShowWindow(window.Handle(), SW_SHOW);
    UpdateWindow(window.Handle());

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    OleUninitialize();
    return static_cast<int>(msg.wParam);
}
