#include "platform/win32/win32_accessibility.h"

#include "platform/win32/text_convert.h"

namespace pixo {

Win32Accessibility::~Win32Accessibility() {
    Disconnect();
}

LRESULT Win32Accessibility::ClientObject(WPARAM wParam, const AccessibleTextSource& texts) {
    if (disconnected_)
        return 0;
    if (object_ == nullptr)
        object_ = AccessibleObject::Create(host_.Handle(), texts);
    if (object_ == nullptr)
        return 0;
    return LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object_));
}

void Win32Accessibility::Disconnect() {
    disconnected_ = true;
    notification_.Disconnect();
    if (object_ == nullptr)
        return;
    object_->Disconnect();
    object_->Release();
    object_ = nullptr;
}

void Win32Accessibility::ReadoutChanged() {
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, host_.Handle(), OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, host_.Handle(), OBJID_CLIENT, CHILDID_SELF);
}

void Win32Accessibility::Announce(std::string_view utf8) {
    notification_.Raise(host_.Handle(), Utf8ToWide(utf8));
}

}  // namespace pixo
