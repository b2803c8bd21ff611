#pragma once

// clang-format off
#include <windows.h>
#include <ole2.h>
#include <oleacc.h>
// clang-format on

#include <string>

#include "platform/accessibility.h"

namespace pixo {

// IAccessible's interface id is taken as __uuidof(IAccessible) throughout: MinGW's import library of oleacc.dll and
// its uuid library both define the symbol IID_IAccessible, and a program that needs both cannot link it.
//
// The lens's accessible object for its client area (OBJID_CLIENT), as Microsoft Active Accessibility
// clients, and UI Automation clients through the system's bridge, see it. Name, value and description come
// from the core at each call; the role is static text (ROLE_SYSTEM_STATICTEXT): screen readers read such an
// object by its name without announcing a control to operate, and read its value too, and the bridge makes
// it a Text element, read by its name. The state is read-only and never focusable: the lens is no control one
// moves to. Everything else (parent, place, hit test, navigation) is the system's standard object of the
// client area, to which the object delegates.
class AccessibleObject final : public IAccessible {
  public:
    // Made with one reference, for the caller; null when the system's standard object cannot be made.
    static AccessibleObject* Create(HWND window, AccessibleTextSource texts);

    // The window goes: every later call fails as disconnected, and remote clients lose their proxies.
    void Disconnect();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch, the standard object's
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id,
                                     REFIID iid,
                                     LCID locale,
                                     WORD flags,
                                     DISPPARAMS* params,
                                     VARIANT* result,
                                     EXCEPINFO* exception,
                                     UINT* argument) override;
    // IAccessible: the lens's own answers
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;
    // IAccessible: the standard object's answers
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;

  private:
    AccessibleObject(IAccessible* standard, AccessibleTextSource texts)
        : standard_(standard), texts_(std::move(texts)) {}
    ~AccessibleObject();
    // One of the three texts for the object itself, as a new string.
    HRESULT Text(VARIANT child, std::string AccessibleTexts::*which, BSTR* text);

    LONG references_ = 1;
    IAccessible* standard_;  // null once disconnected
    AccessibleTextSource texts_;
};

}  // namespace pixo
