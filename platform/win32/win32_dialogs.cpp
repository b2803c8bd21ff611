#include "platform/win32/win32_dialogs.h"

#include <commdlg.h>
#include <shobjidl.h>

#include <utility>
#include <vector>

#include "platform/win32/com_ptr.h"
#include "platform/win32/text_convert.h"

namespace pixo {
namespace {

constexpr wchar_t kTitle[] = L"Pixoscope";
// Room for many file names when several are chosen; only the first is used.
constexpr std::size_t kFileBufferLength = 32768;
// The captures the picture-open dialog lists: PNG files and BMP files.
constexpr wchar_t kCaptureTypes[] = L"*.png;*.bmp";
// The thumbnails' size in the picture-open dialog, in pixels.
constexpr int kThumbnailSize = 96;

// Shows every folder the dialog opens as thumbnails: the shell draws them with the system's imaging
// component, which reads BMP, PNG, GIF, TIFF, JPEG, ICO and more. The dialog resets the view on every
// change of folder, so it is set again each time. Lives on the stack of OpenPicture; the counting is only
// for COM's sake.
class ThumbnailView final : public IFileDialogEvents {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IFileDialogEvents)) {
            *object = static_cast<IFileDialogEvents*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }

    HRESULT STDMETHODCALLTYPE OnFolderChange(IFileDialog* dialog) override {
        ComPtr<IServiceProvider> services;
        if (FAILED(dialog->QueryInterface(IID_IServiceProvider, services.PutVoid())))
            return S_OK;
        ComPtr<IFolderView2> view;
        if (SUCCEEDED(services->QueryService(SID_SFolderView, IID_IFolderView2, view.PutVoid())))
            view->SetViewModeAndIconSize(FVM_THUMBNAIL, kThumbnailSize);
        return S_OK;  // a dialog without the view service keeps its own view
    }
    HRESULT STDMETHODCALLTYPE OnFileOk(IFileDialog*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnFolderChanging(IFileDialog*, IShellItem*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnSelectionChange(IFileDialog*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShareViolation(IFileDialog*, IShellItem*, FDE_SHAREVIOLATION_RESPONSE*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE OnTypeChange(IFileDialog*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnOverwrite(IFileDialog*, IShellItem*, FDE_OVERWRITE_RESPONSE*) override {
        return E_NOTIMPL;
    }

  private:
    ULONG references_ = 1;
};

// The folder as a shell item, for the dialog to start in. Looked up at run time: older systems have no such
// function (and no item dialog either).
bool FolderItem(const std::wstring& folder, ComPtr<IShellItem>& item) {
    using CreateItemFn = HRESULT(WINAPI*)(PCWSTR, IBindCtx*, REFIID, void**);
    const HMODULE shell32 = GetModuleHandleW(L"shell32.dll");
    const auto create =
        reinterpret_cast<CreateItemFn>(reinterpret_cast<void*>(GetProcAddress(shell32, "SHCreateItemFromParsingName")));
    return create != nullptr && !folder.empty() &&
           SUCCEEDED(create(folder.c_str(), nullptr, IID_IShellItem, item.PutVoid()));
}

// The result of one way of asking: whether that dialog could be shown at all, and the first file chosen.
struct DialogAnswer {
    bool shown = false;
    std::optional<std::string> file;
};

// The common item dialog of the system.
DialogAnswer AskWithItemDialog(HWND owner, const std::wstring& folder) {
    DialogAnswer answer;
    ComPtr<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                                dialog.PutVoid())))
        return answer;
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    // The item dialog has no read-only box and is always resizable.
    dialog->SetOptions(options | FOS_ALLOWMULTISELECT | FOS_FILEMUSTEXIST | FOS_PATHMUSTEXIST | FOS_FORCEFILESYSTEM);
    const COMDLG_FILTERSPEC filter{kCaptureTypes, kCaptureTypes};
    dialog->SetFileTypes(1, &filter);
    dialog->SetFileTypeIndex(1);
    ComPtr<IShellItem> start;
    if (FolderItem(folder, start))
        dialog->SetFolder(start.Get());
    ThumbnailView events;
    DWORD cookie = 0;
    const bool advised = SUCCEEDED(dialog->Advise(&events, &cookie));

    const HRESULT shown = dialog->Show(owner);
    if (advised)
        dialog->Unadvise(cookie);
    if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) {
        answer.shown = true;
        return answer;
    }
    if (FAILED(shown))
        return answer;
    answer.shown = true;
    ComPtr<IShellItemArray> results;
    ComPtr<IShellItem> first;
    wchar_t* path = nullptr;
    if (SUCCEEDED(dialog->GetResults(results.Put())) && SUCCEEDED(results->GetItemAt(0, first.Put())) &&
        SUCCEEDED(first->GetDisplayName(SIGDN_FILESYSPATH, &path)) && path != nullptr) {
        answer.file = WideToUtf8(path);
        CoTaskMemFree(path);
    }
    return answer;
}

// The classic open dialog, where the item dialog is missing.
std::optional<std::string> AskWithClassicDialog(HWND owner, const std::wstring& folder) {
    std::vector<wchar_t> buffer(kFileBufferLength, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"*.png;*.bmp\0*.png;*.bmp\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameW(&dialog))
        return std::nullopt;  // cancelled, or the answer did not fit
    const std::wstring chosen = FirstChosenFile(buffer.data());
    if (chosen.empty())
        return std::nullopt;
    return WideToUtf8(chosen);
}

}  // namespace

Win32Dialogs::Win32Dialogs(OwnerWindow owner) : owner_(std::move(owner)) {}

HWND Win32Dialogs::Owner() const {
    return owner_ ? owner_() : nullptr;
}

void Win32Dialogs::Message(const std::string& text) {
    MessageBoxW(Owner(), Utf8ToWide(text).c_str(), kTitle, MB_OK);
}

void Win32Dialogs::Error(const std::string& text) {
    // In front of every window, full-screen ones included, and active, so that the user sees it at once.
    MessageBoxW(Owner(), Utf8ToWide(text).c_str(), kTitle, MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
}

std::optional<std::string> Win32Dialogs::OpenPicture(const std::string& folder) {
    const std::wstring initialFolder = Utf8ToWide(folder);
    DialogAnswer answer = AskWithItemDialog(Owner(), initialFolder);
    if (answer.shown)
        return std::move(answer.file);
    return AskWithClassicDialog(Owner(), initialFolder);
}

std::wstring FirstChosenFile(const wchar_t* buffer) {
    const std::wstring first(buffer);
    const wchar_t* second = buffer + first.size() + 1;
    if (first.empty() || *second == L'\0')
        return first;
    std::wstring path = first;
    if (path.back() != L'\\')
        path += L'\\';
    return path + second;
}

}  // namespace pixo
