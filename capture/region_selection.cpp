#include "capture/region_selection.h"

namespace pixo {

CornerStepResult RegionSelection::Press(CornerKey key, int centreX, int centreY) {
    const CornerStepResult result = StepCorners(selection_, key, centreX, centreY);
    if (result.then == CornerThen::StoreQframe)
        qframe_ = selection_.crop;
    return result;
}

void RegionSelection::BeginQframeSave() {
    selection_.crop = qframe_;
    selection_.step = 10;
}

void RegionSelection::End() {
    selection_.step = 0;
    selection_.selecting = false;
}

}  // namespace pixo
