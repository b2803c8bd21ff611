#pragma once

#include <windows.h>

#include <vector>

#include "lens/labels.h"
#include "platform/win32/handles.h"

namespace pixo {

// Draws the labels over the loupe picture with GDI, in their paint order. Fonts are made once.
class LabelPainter {
  public:
    LabelPainter() = default;
    LabelPainter(const LabelPainter&) = delete;
    LabelPainter& operator=(const LabelPainter&) = delete;

    // Paints every visible label; measures the self-sizing ones and stores their size in the model.
    void Paint(HDC dc, Labels& labels);

  private:
    HFONT FontFor(const LabelFont& font);
    void FitName(HDC dc, Label& name, Label& shade);

    struct CachedFont {
        LabelFont font;
        GdiFont handle;
    };
    // One per distinct font of the labels: a handful, made at the first paint that needs them.
    std::vector<CachedFont> fonts_;
};

}  // namespace pixo
