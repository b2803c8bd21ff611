#include "platform/win32/uia_notification.h"

#include <oleauto.h>
#include <uiautomationcore.h>

namespace pixo {
namespace {

// uiautomationcoreapi.h of Windows 10 1709, which the MinGW headers lack.
constexpr int kNotificationKindOther = 4;
constexpr int kNotificationProcessingMostRecent = 3;
constexpr PROPERTYID kNamePropertyId = 30005;
constexpr wchar_t kActivityId[] = L"Pixoscope.Readout";

using RaiseNotificationFn = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
using ClientsListeningFn = BOOL(WINAPI*)();
using HostProviderFn = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
using DisconnectProviderFn = HRESULT(WINAPI*)(IRawElementProviderSimple*);

struct UiaFunctions {
    RaiseNotificationFn raiseNotification = nullptr;
    ClientsListeningFn clientsListening = nullptr;
    HostProviderFn hostProvider = nullptr;
    DisconnectProviderFn disconnectProvider = nullptr;
};
UiaFunctions uia;

template <class Fn>
Fn Lookup(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

// The element the notifications come from: the lens window's element (its host), named with the text last
// raised; every other property is the host's.
class NotificationSource final : public IRawElementProviderSimple {
  public:
    explicit NotificationSource(HWND window) : window_(window) {}
    void SetName(const std::wstring& name) { name_ = name; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IRawElementProviderSimple) {
            *object = static_cast<IRawElementProviderSimple*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override {
        if (options == nullptr)
            return E_POINTER;
        *options = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID /*pattern*/, IUnknown** provider) override {
        if (provider == nullptr)
            return E_POINTER;
        *provider = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override {
        if (value == nullptr)
            return E_POINTER;
        VariantInit(value);
        if (property == kNamePropertyId) {
            value->vt = VT_BSTR;
            value->bstrVal = SysAllocStringLen(name_.data(), static_cast<UINT>(name_.size()));
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override {
        if (host == nullptr)
            return E_POINTER;
        *host = nullptr;
        return uia.hostProvider != nullptr ? uia.hostProvider(window_, host) : E_FAIL;
    }

  private:
    ~NotificationSource() = default;

    LONG references_ = 1;
    HWND window_;
    std::wstring name_;
};

UiaNotification::~UiaNotification() {
    if (source_ != nullptr)
        source_->Release();
}

bool UiaNotification::Load() {
    if (loaded_)
        return available_;
    loaded_ = true;
    // Kept loaded for the program's life: UI Automation may call into it until the end.
    HMODULE module = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr)
        return false;
    uia.raiseNotification = Lookup<RaiseNotificationFn>(module, "UiaRaiseNotificationEvent");
    uia.clientsListening = Lookup<ClientsListeningFn>(module, "UiaClientsAreListening");
    uia.hostProvider = Lookup<HostProviderFn>(module, "UiaHostProviderFromHwnd");
    uia.disconnectProvider = Lookup<DisconnectProviderFn>(module, "UiaDisconnectProvider");
    available_ = uia.raiseNotification != nullptr && uia.clientsListening != nullptr && uia.hostProvider != nullptr;
    return available_;
}

void UiaNotification::Raise(HWND window, const std::wstring& text) {
    if (!Load() || !uia.clientsListening())
        return;
    if (source_ == nullptr)
        source_ = new NotificationSource(window);
    source_->SetName(text);
    BSTR display = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    BSTR activity = SysAllocString(kActivityId);
    if (display != nullptr && activity != nullptr)
        (void)uia.raiseNotification(source_, kNotificationKindOther, kNotificationProcessingMostRecent, display,
                                    activity);  // a notification nobody could take is no failure of the lens
    SysFreeString(display);
    SysFreeString(activity);
}

void UiaNotification::Disconnect() {
    if (source_ == nullptr)
        return;
    if (uia.disconnectProvider != nullptr)
        (void)uia.disconnectProvider(source_);  // the window goes either way
    source_->Release();
    source_ = nullptr;
}

}  // namespace pixo
