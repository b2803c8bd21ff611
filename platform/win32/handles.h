#pragma once

#include <windows.h>

#include <functional>
#include <utility>

namespace pixo {

// Asks for the window that owns dialogs, the clipboard and shell windows at the time of the call: the lens
// window is created after the services, so the services cannot take the handle itself.
using OwnerWindow = std::function<HWND()>;

// Owns one handle and frees it with `Traits::Close` when it goes out of scope.
template <typename Traits>
class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Handle Get() const { return handle_; }
    bool Valid() const { return Traits::Valid(handle_); }
    explicit operator bool() const { return Valid(); }
    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Handle handle = Traits::Invalid()) {
        if (Traits::Valid(handle_))
            Traits::Close(handle_);
        handle_ = handle;
    }

  private:
    Handle handle_ = Traits::Invalid();
};

template <typename H, typename Closer>
struct NullIsInvalid {
    using Handle = H;
    static constexpr Handle Invalid() { return nullptr; }
    static bool Valid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { Closer{}(h); }
};

struct FileTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Valid(Handle h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(Handle h) { CloseHandle(h); }
};
struct DeleteMemoryDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DestroyMenuHandle {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct CloseRegistryKey {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
struct FreeGlobalMemory {
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
struct FreeLocalMemory {
    void operator()(HLOCAL memory) const { LocalFree(memory); }
};
struct CloseKernelObject {
    void operator()(HANDLE object) const { CloseHandle(object); }
};

using FileHandle = UniqueHandle<FileTraits>;
using MemoryDc = UniqueHandle<NullIsInvalid<HDC, DeleteMemoryDc>>;
using GdiBitmap = UniqueHandle<NullIsInvalid<HBITMAP, DeleteGdiObject>>;
using GdiFont = UniqueHandle<NullIsInvalid<HFONT, DeleteGdiObject>>;
using GdiBrush = UniqueHandle<NullIsInvalid<HBRUSH, DeleteGdiObject>>;
// A region handed to SetWindowRgn belongs to the system once the call succeeds: release it then.
using GdiRegion = UniqueHandle<NullIsInvalid<HRGN, DeleteGdiObject>>;
// A menu with its submenus: destroying it destroys the submenus attached to it.
using MenuHandle = UniqueHandle<NullIsInvalid<HMENU, DestroyMenuHandle>>;
using RegistryKey = UniqueHandle<NullIsInvalid<HKEY, CloseRegistryKey>>;
// Global memory for the clipboard: released (not freed) once the clipboard has taken it.
using GlobalMemory = UniqueHandle<NullIsInvalid<HGLOBAL, FreeGlobalMemory>>;
using LocalMemory = UniqueHandle<NullIsInvalid<HLOCAL, FreeLocalMemory>>;
// An event or another kernel object whose creation answers null when it fails.
using KernelObject = UniqueHandle<NullIsInvalid<HANDLE, CloseKernelObject>>;

// A window's device context from GetDC, given back with ReleaseDC.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr)
            ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

// The device context of a WM_PAINT, from BeginPaint, ended with EndPaint.
class PaintDc {
  public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(window_, &paint_); }
    HDC Get() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects a GDI object into a device context and puts the previous one back.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (Valid())
            SelectObject(dc_, previous_);
    }
    bool Valid() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Locks global memory for as long as it lives.
template <typename T>
class GlobalLockGuard {
  public:
    explicit GlobalLockGuard(HGLOBAL memory) : memory_(memory), data_(static_cast<T*>(GlobalLock(memory))) {}
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    ~GlobalLockGuard() {
        if (data_ != nullptr)
            GlobalUnlock(memory_);
    }
    T* Get() const { return data_; }
    explicit operator bool() const { return data_ != nullptr; }

  private:
    HGLOBAL memory_;
    T* data_;
};

// The clipboard, opened once (no retries: a busy clipboard is reported to the user instead).
class OpenedClipboard {
  public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() {
        if (open_)
            CloseClipboard();
    }
    explicit operator bool() const { return open_; }

  private:
    bool open_;
};

}  // namespace pixo
