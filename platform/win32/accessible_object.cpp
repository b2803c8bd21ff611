#include "platform/win32/accessible_object.h"

#include "platform/win32/text_convert.h"

namespace pixo {
namespace {

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

}  // namespace

AccessibleObject* AccessibleObject::Create(HWND window, AccessibleTextSource texts) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard))) ||
        standard == nullptr)
        return nullptr;
    return new AccessibleObject(standard, std::move(texts));
}

AccessibleObject::~AccessibleObject() {
    if (standard_ != nullptr)
        standard_->Release();
}

void AccessibleObject::Disconnect() {
    if (standard_ == nullptr)
        return;
    standard_->Release();
    standard_ = nullptr;
    texts_ = nullptr;
    CoDisconnectObject(static_cast<IAccessible*>(this), 0);
}

HRESULT AccessibleObject::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG AccessibleObject::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::Text(VARIANT child, std::string AccessibleTexts::*which, BSTR* text) {
    if (text == nullptr)
        return E_POINTER;
    *text = nullptr;
    if (standard_ == nullptr)
        return RPC_E_DISCONNECTED;
    if (!IsSelf(child))
        return E_INVALIDARG;
    const std::wstring wide = Utf8ToWide(texts_().*which);
    *text = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return *text != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
    return Text(child, &AccessibleTexts::name, name);
}

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
    return Text(child, &AccessibleTexts::value, value);
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
    return Text(child, &AccessibleTexts::description, description);
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
    if (role == nullptr)
        return E_POINTER;
    VariantInit(role);
    if (standard_ == nullptr)
        return RPC_E_DISCONNECTED;
    if (!IsSelf(child))
        return E_INVALIDARG;
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_STATICTEXT;
    return S_OK;
}

// The standard object's visibility, read-only, and nothing of focus.
HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
    if (state == nullptr)
        return E_POINTER;
    VariantInit(state);
    if (standard_ == nullptr)
        return RPC_E_DISCONNECTED;
    if (!IsSelf(child))
        return E_INVALIDARG;
    VARIANT standard;
    VariantInit(&standard);
    long shown = 0;
    if (SUCCEEDED(standard_->get_accState(child, &standard)) && standard.vt == VT_I4)
        shown = standard.lVal & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN);
    VariantClear(&standard);
    state->vt = VT_I4;
    state->lVal = shown | STATE_SYSTEM_READONLY;
    return S_OK;
}

HRESULT AccessibleObject::get_accChildCount(long* count) {
    if (count == nullptr)
        return E_POINTER;
    *count = 0;
    return standard_ != nullptr ? S_OK : RPC_E_DISCONNECTED;
}

// Like a static text, the lens takes neither focus nor selection and has no action.
HRESULT AccessibleObject::accSelect(long /*flags*/, VARIANT /*child*/) {
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT /*child*/) {
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::put_accName(VARIANT /*child*/, BSTR /*name*/) {
    return E_NOTIMPL;
}

HRESULT AccessibleObject::put_accValue(VARIANT /*child*/, BSTR /*value*/) {
    return E_NOTIMPL;
}

// ---- What the standard object of the client area answers

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
    return standard_ != nullptr ? standard_->GetTypeInfoCount(count) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) {
    return standard_ != nullptr ? standard_->GetTypeInfo(index, locale, info) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) {
    return standard_ != nullptr ? standard_->GetIDsOfNames(iid, names, count, locale, ids) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::Invoke(DISPID id,
                                 REFIID iid,
                                 LCID locale,
                                 WORD flags,
                                 DISPPARAMS* params,
                                 VARIANT* result,
                                 EXCEPINFO* exception,
                                 UINT* argument) {
    return standard_ != nullptr ? standard_->Invoke(id, iid, locale, flags, params, result, exception, argument)
                                : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
    return standard_ != nullptr ? standard_->get_accParent(parent) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
    return standard_ != nullptr ? standard_->get_accChild(child, object) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
    return standard_ != nullptr ? standard_->get_accHelp(child, help) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    return standard_ != nullptr ? standard_->get_accHelpTopic(file, child, topic) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return standard_ != nullptr ? standard_->get_accKeyboardShortcut(child, shortcut) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::get_accFocus(VARIANT* child) {
    return standard_ != nullptr ? standard_->get_accFocus(child) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::get_accSelection(VARIANT* children) {
    return standard_ != nullptr ? standard_->get_accSelection(children) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    return standard_ != nullptr ? standard_->get_accDefaultAction(child, action) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    return standard_ != nullptr ? standard_->accLocation(left, top, width, height, child) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end) {
    return standard_ != nullptr ? standard_->accNavigate(direction, start, end) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::accHitTest(long x, long y, VARIANT* child) {
    return standard_ != nullptr ? standard_->accHitTest(x, y, child) : RPC_E_DISCONNECTED;
}

}  // namespace pixo
