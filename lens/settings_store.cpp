// The settings store as the lens window uses it: which state each stored integer is, and when the settings
// are read and written.
#include "settings/settings_store.h"

#include <algorithm>

#include "capture/desktop.h"
#include "lens/form_filter.h"

namespace pixo {

std::int32_t TFormFilter::StoredIntegerValue(StoredInteger which) {
    const Region& qframe = regions_.Qframe();
    switch (which) {
        case StoredInteger::WindowTop:
            return services_.window.Top();
        case StoredInteger::WindowLeft:
            return services_.window.Left();
        case StoredInteger::Factor:
            return zoom_.Factor();
        case StoredInteger::Zoomstep:
            return zoom_.Zoomstep();
        case StoredInteger::RulerFactor:
            return measuring_.RulerFactor();
        case StoredInteger::CaliperFactorH:
            return measuring_.CaliperFactorH();
        case StoredInteger::CaliperFactorV:
            return measuring_.CaliperFactorV();
        case StoredInteger::Frame1X:
            return qframe.left;
        case StoredInteger::Frame1Y:
            return qframe.top;
        case StoredInteger::Frame2X:
            return qframe.width;
        case StoredInteger::Frame2Y:
            return qframe.height;
        case StoredInteger::NearestName:
            return static_cast<std::int32_t>(options_.nearest);
        case StoredInteger::None:
            break;
    }
    return 0;
}

void TFormFilter::SetStoredInteger(StoredInteger which, std::int32_t value) {
    Region qframe = regions_.Qframe();
    const int ruler = measuring_.RulerFactor();
    const int caliperH = measuring_.CaliperFactorH();
    const int caliperV = measuring_.CaliperFactorV();
    // A damaged position is pulled in before the window goes there (see kFarthestPosition).
    const std::int32_t position = std::clamp(value, -kFarthestPosition, kFarthestPosition);
    switch (which) {
        case StoredInteger::WindowTop:
            return services_.window.SetTop(position);
        case StoredInteger::WindowLeft:
            return services_.window.SetLeft(position);
        case StoredInteger::Factor:
            return zoom_.RestoreFactor(value);
        case StoredInteger::Zoomstep:
            return zoom_.RestoreZoomstep(value);
        case StoredInteger::RulerFactor:
            return measuring_.RestoreSizes(value, caliperH, caliperV);
        case StoredInteger::CaliperFactorH:
            return measuring_.RestoreSizes(ruler, value, caliperV);
        case StoredInteger::CaliperFactorV:
            return measuring_.RestoreSizes(ruler, caliperH, value);
        case StoredInteger::Frame1X:
            qframe.left = value;
            break;
        case StoredInteger::Frame1Y:
            qframe.top = value;
            break;
        case StoredInteger::Frame2X:
            qframe.width = value;
            break;
        case StoredInteger::Frame2Y:
            qframe.height = value;
            break;
        case StoredInteger::NearestName:
            options_.nearest = static_cast<NearestName>(value);  // 0..3, as the row's bounds keep it
            return;
        case StoredInteger::None:
            return;
    }
    regions_.RestoreQframe(qframe);
}

void TFormFilter::ReadSettings() {
    const SettingsKey key = LocateSettings(services_.files, places_.AppDir, places_.SettingsKeyName);
    ReadStoredSettings(services_.registry, key, options_,
                       [this](StoredInteger which, std::int32_t value) { SetStoredInteger(which, value); });
    // The sizes keep within the view of the magnification read.
    measuring_.ClampToView(zoom_.Factor());
    // The readout labels follow the options as read, also when some values were missing: labels of a colour
    // picker that was read as off must not show their placeholder texts.
    ColourReadout::ApplyVisibility(options_, labels_);
    KeepLensOnScreen();
}

// A stored position is taken as it is, partly off the screen included (the P key parks the lens so), but a
// lens that no monitor shows at all (a monitor since removed, a damaged value) could never be reached again:
// it goes to its first-run place on the primary monitor instead. Also run when the monitors change.
void TFormFilter::KeepLensOnScreen() {
    IWindowHost& window = services_.window;
    const MonitorLayout monitors = services_.screen.Monitors();
    const Desktop desktop(monitors);
    if (!desktop.ShowsLensAt(window.Left(), window.Top())) {
        const WindowPlace place = desktop.FirstRunPlace();
        window.SetBounds(place.left, place.top, kLensSize, kLensSize);
    }
}

void TFormFilter::WriteSettings() {
    StoreSettings(true);
}

void TFormFilter::WmEndSession(bool ending) {
    if (!ending)
        return;
    // No box while the session ends: nobody is there to answer it, and it would hold up the log-off. The
    // saves still running finish first: the system ends the program once this returns.
    session_.ending = true;
    saves_.FinishAll();
    StoreSettings(false);
}

// A refused write loses the user's settings (the machine-wide key for a user who may only read it), so it
// is said, once: the close writes twice.
void TFormFilter::StoreSettings(bool reportRefusal) {
    const SettingsKey key = LocateSettings(services_.files, places_.AppDir, places_.SettingsKeyName);
    const Failure failure = WriteStoredSettings(services_.registry, key, options_,
                                                [this](StoredInteger which) { return StoredIntegerValue(which); });
    if (failure && reportRefusal && !session_.settingsRefusalReported) {
        session_.settingsRefusalReported = true;
        ReportError("The settings were not saved to " + KeyDisplayName(key) + ".", *failure);
    }
}

}  // namespace pixo
