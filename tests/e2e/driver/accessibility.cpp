#include "e2e/driver/accessibility.h"

// clang-format off
#include <ole2.h>
#include <oleacc.h>
// clang-format on

namespace pixo::e2e {
namespace {

WinEventRecorder* recording = nullptr;

std::string Failed(const char* call, HRESULT result) {
    char text[96];
    wsprintfA(text, "%s failed (0x%08lX)", call, static_cast<unsigned long>(result));
    return text;
}

// The child id that names the object itself.
VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// A text property of the object itself; `error` is set when the call fails.
std::wstring TextOf(IAccessible* object,
                    HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*),
                    const char* name,
                    std::string& error) {
    const VARIANT self = Self();
    BSTR text = nullptr;
    const HRESULT result = (object->*get)(self, &text);
    if (FAILED(result) && error.empty())
        error = Failed(name, result);
    std::wstring copy = text != nullptr ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return copy;
}

long NumberOf(IAccessible* object,
              HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*),
              const char* name,
              std::string& error) {
    const VARIANT self = Self();
    VARIANT number;
    VariantInit(&number);
    const HRESULT result = (object->*get)(self, &number);
    if ((FAILED(result) || number.vt != VT_I4) && error.empty())
        error = Failed(name, FAILED(result) ? result : E_UNEXPECTED);
    const long value = number.vt == VT_I4 ? number.lVal : 0;
    VariantClear(&number);
    return value;
}

}  // namespace

ComApartment::ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComApartment::~ComApartment() {
    if (initialised_)
        CoUninitialize();
}

std::optional<AccessibleView> ReadAccessible(HWND window, std::string& error) {
    IAccessible* object = nullptr;
    const HRESULT result = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                      reinterpret_cast<void**>(&object));
    if (FAILED(result) || object == nullptr) {
        error = Failed("AccessibleObjectFromWindow", result);
        return std::nullopt;
    }
    error.clear();
    AccessibleView view;
    view.name = TextOf(object, &IAccessible::get_accName, "accName", error);
    view.value = TextOf(object, &IAccessible::get_accValue, "accValue", error);
    view.description = TextOf(object, &IAccessible::get_accDescription, "accDescription", error);
    view.role = NumberOf(object, &IAccessible::get_accRole, "accRole", error);
    view.state = NumberOf(object, &IAccessible::get_accState, "accState", error);
    object->Release();
    if (!error.empty())
        return std::nullopt;
    return view;
}

WinEventRecorder::WinEventRecorder(DWORD processId) {
    recording = this;
    hook_ = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &WinEventRecorder::Receive,
                            processId, 0, WINEVENT_OUTOFCONTEXT);
}

WinEventRecorder::~WinEventRecorder() {
    if (hook_ != nullptr)
        UnhookWinEvent(hook_);
    recording = nullptr;
}

void CALLBACK WinEventRecorder::Receive(HWINEVENTHOOK /*hook*/,
                                        DWORD event,
                                        HWND window,
                                        LONG object,
                                        LONG child,
                                        DWORD /*thread*/,
                                        DWORD time) {
    if (recording != nullptr && (event == EVENT_OBJECT_NAMECHANGE || event == EVENT_OBJECT_VALUECHANGE))
        recording->events_.push_back({event, window, object, child, time});
}

void WinEventRecorder::Pump(milliseconds duration, const std::function<void()>& watch) {
    const Clock::time_point end = Clock::now() + duration;
    while (Clock::now() < end) {
        if (watch)
            watch();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

std::vector<WinEventRecord> WinEventRecorder::ClientEvents(HWND window) const {
    std::vector<WinEventRecord> client;
    for (const WinEventRecord& record : events_) {
        if (record.window == window && record.object == OBJID_CLIENT && record.child == CHILDID_SELF)
            client.push_back(record);
    }
    return client;
}

}  // namespace pixo::e2e
