#pragma once

#include <string>

#include "capture/corner_selection.h"
#include "capture/region.h"

namespace pixo {

// Region selection with Q and C and the stored Qframe: the selection in progress, the rectangle the next
// region save writes, and the Qframe kept between runs.
class RegionSelection {
  public:
    // The step of the selection: 0 idle, the number of presses since it began, 10 while a Qframe is saved.
    int Step() const { return selection_.step; }
    // The lens draws corner guides instead of the crosshair.
    bool Selecting() const { return selection_.selecting; }
    // During a selection the first corner; after it, the rectangle the next region save writes.
    const Region& Crop() const { return selection_.crop; }
    bool SavingQframe() const { return selection_.step == 10; }
    // A region save is due (rather than a full screen) while a selection or a Qframe save is under way.
    bool RegionPending() const { return selection_.step > 0; }

    const Region& Qframe() const { return qframe_; }
    bool HasQframe() const { return qframe_.width > 0 && qframe_.height > 0; }
    void RestoreQframe(const Region& stored) { qframe_ = stored; }
    // "Qframe: x120 y80 | h300 w400", for the message bar.
    std::string QframeCaption() const { return QframeText(qframe_.left, qframe_.top, qframe_.width, qframe_.height); }

    // One press of Q or C with the lens centre at (centreX, centreY); a Qframe it completes is stored here.
    CornerStepResult Press(CornerKey key, int centreX, int centreY);
    // The stored Qframe becomes the rectangle to save (step 10).
    void BeginQframeSave();
    // Escape, or the end of a region save: back to idle.
    void End();

  private:
    CornerSelection selection_;
    Region qframe_;
};

}  // namespace pixo
