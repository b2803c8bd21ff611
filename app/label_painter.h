#pragma once

#include <windows.h>

#include <array>

#include "lens/labels.h"

namespace pixo {

// Draws the labels over the loupe picture with GDI, in their paint order. Fonts are made once.
class LabelPainter {
  public:
    LabelPainter() = default;
    LabelPainter(const LabelPainter&) = delete;
    LabelPainter& operator=(const LabelPainter&) = delete;
    ~LabelPainter();

    // Paints every visible label; measures the self-sizing ones and stores their size in the model.
    void Paint(HDC dc, Labels& labels);

  private:
    HFONT FontFor(const LabelFont& font);

    struct CachedFont {
        LabelFont font;
        HFONT handle = nullptr;
    };
    std::array<CachedFont, 8> fonts_{};
};

}  // namespace pixo
