// The settings store as the lens window uses it: which variable each stored integer is, and when the
// settings are read and written.
#include "settings/settings_store.h"

#include <algorithm>

#include "lens/form_filter.h"

namespace pixo {

int* TFormFilter::StoredField(StoredInteger which) {
    switch (which) {
        case StoredInteger::Factor:
            return &lens.Factor;
        case StoredInteger::Zoomstep:
            return &lens.Zoomstep;
        case StoredInteger::RulerFactor:
            return &lens.RulerFactor;
        case StoredInteger::CaliperFactorH:
            return &lens.CaliperFactorH;
        case StoredInteger::CaliperFactorV:
            return &lens.CaliperFactorV;
        case StoredInteger::Frame1X:
            return &lens.Frame1X;
        case StoredInteger::Frame1Y:
            return &lens.Frame1Y;
        case StoredInteger::Frame2X:
            return &lens.Frame2X;
        case StoredInteger::Frame2Y:
            return &lens.Frame2Y;
        case StoredInteger::None:
        case StoredInteger::WindowTop:
        case StoredInteger::WindowLeft:
            break;
    }
    return nullptr;
}

std::int32_t TFormFilter::StoredIntegerValue(StoredInteger which) {
    if (which == StoredInteger::WindowTop)
        return services_.window.Top();
    if (which == StoredInteger::WindowLeft)
        return services_.window.Left();
    const int* field = StoredField(which);
    return field != nullptr ? *field : 0;
}

void TFormFilter::SetStoredInteger(StoredInteger which, std::int32_t value) {
    // A damaged position is pulled in before the window goes there (see kFarthestPosition).
    const std::int32_t position = std::clamp(value, -kFarthestPosition, kFarthestPosition);
    if (which == StoredInteger::WindowTop)
        services_.window.SetTop(position);
    else if (which == StoredInteger::WindowLeft)
        services_.window.SetLeft(position);
    else if (int* field = StoredField(which))
        *field = value;
}

void TFormFilter::ReadSettings() {
    const SettingsKey key = LocateSettings(services_.files, AppDir, lens.SettingsKeyName);
    ReadStoredSettings(services_.registry, key, PopupMenu1,
                       [this](StoredInteger which, std::int32_t value) { SetStoredInteger(which, value); });
    // The readout labels follow the options as read, also when some values were missing: labels of a colour
    // picker that was read as off must not show their placeholder texts.
    ApplyReadoutVisibility();
    KeepLensOnScreen();
}

// A stored position is taken as it is, partly off the screen included (the P key parks the lens so), but a
// lens that no screen shows at all (a monitor since removed, a damaged value) could never be reached again:
// it starts at its first-run position instead.
void TFormFilter::KeepLensOnScreen() {
    IWindowHost& window = services_.window;
    if (!services_.screen.OnSomeScreen(window.Left(), window.Top(), kLensSize, kLensSize))
        window.SetBounds(200, 200, kLensSize, kLensSize);
}

void TFormFilter::WriteSettings() {
    StoreSettings(true);
}

void TFormFilter::WmEndSession(bool ending) {
    // No box while the session ends: nobody is there to answer it, and it would hold up the log-off.
    if (ending)
        StoreSettings(false);
}

// A refused write loses the user's settings (the machine-wide key for a user who may only read it), so it
// is said, once: the close writes twice.
void TFormFilter::StoreSettings(bool reportRefusal) {
    const SettingsKey key = LocateSettings(services_.files, AppDir, lens.SettingsKeyName);
    const Failure failure = WriteStoredSettings(services_.registry, key, PopupMenu1,
                                                [this](StoredInteger which) { return StoredIntegerValue(which); });
    if (failure && reportRefusal && !settingsRefusalReported_) {
        settingsRefusalReported_ = true;
        ReportError("The settings were not saved to " + KeyDisplayName(key) + ".", *failure);
    }
}

}  // namespace pixo
