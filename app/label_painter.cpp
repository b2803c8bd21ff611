#include "app/label_painter.h"

#include <algorithm>
#include <string>
#include <utility>

#include "lens/label_layout.h"
#include "platform/win32/text_convert.h"

namespace pixo {
namespace {

COLORREF ToColorRef(Color c) {
    return static_cast<COLORREF>(c);
}

const wchar_t* FaceName(LabelFontFace face) {
    switch (face) {
        case LabelFontFace::Arial:
            return L"Arial";
        case LabelFontFace::MsSansSerif:
            return L"MS Sans Serif";
        case LabelFontFace::Terminal:
            return L"Terminal";
    }
    return L"Arial";
}

UINT AlignFlags(TextAlign align) {
    switch (align) {
        case TextAlign::Left:
            return DT_LEFT;
        case TextAlign::Center:
            return DT_CENTER;
        case TextAlign::Right:
            return DT_RIGHT;
    }
    return DT_LEFT;
}

}  // namespace

HFONT LabelPainter::FontFor(const LabelFont& font) {
    for (const CachedFont& f : fonts_) {
        if (f.font.face == font.face && f.font.pixelHeight == font.pixelHeight && f.font.bold == font.bold)
            return f.handle.Get();
    }
    const bool terminal = font.face == LabelFontFace::Terminal;
    const BYTE charset = terminal ? OEM_CHARSET : DEFAULT_CHARSET;
    // Terminal is a raster font: its glyphs are whole pixels in exactly the text colour, and the quality flag
    // changes nothing about them (only draft and proof quality touch a raster font, by its scaling). Where no
    // Terminal is installed, the system substitutes an outline font; asking for no anti-aliasing renders that
    // one in whole pixels of the text colour too, so the small ruler numbers stay readable on any picture.
    const BYTE quality = terminal ? NONANTIALIASED_QUALITY : DEFAULT_QUALITY;
    // A negative height asks for that character height in pixels.
    GdiFont handle(CreateFontW(-font.pixelHeight, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                               charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH | FF_DONTCARE,
                               FaceName(font.face)));
    fonts_.push_back({font, std::move(handle)});
    return fonts_.back().handle.Get();
}

// The Pantone or nearest colour name widens around the lens centre to its text, and a name too long for the
// aperture at its row (the longest Pantone names with their distance) takes a smaller character height, down
// to kSmallestHeight, so that it stays inside the lens. Its shade twin takes the same place and height.
void LabelPainter::FitName(HDC dc, Label& name, Label& shade) {
    constexpr int kSmallestHeight = 8;
    constexpr int kCentre = 100;
    if (!name.visible || !name.widensToText)
        return;
    const std::wstring text = name.utf8 ? Utf8ToWide(name.text.View()) : Cp1252ToWide(name.text.View());
    if (name.minWidth == 0)
        name.minWidth = name.width;
    const int top = std::min(name.top, shade.top);
    const int bottom = std::max(name.top, shade.top) + name.height;
    const int room = ApertureWidthOver(top, bottom);
    LabelFont font = name.font;
    int width = 0;
    for (;; --font.pixelHeight) {
        SelectObject(dc, FontFor(font));
        RECT measured{0, 0, 0, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        width = static_cast<int>(measured.right);
        if (width <= room || font.pixelHeight <= kSmallestHeight)
            break;
    }
    for (Label* label : {&name, &shade}) {
        label->fittedHeight = font.pixelHeight;
        label->width = std::max(name.minWidth, width);
        label->left = kCentre - label->width / 2;
    }
}

void LabelPainter::Paint(HDC dc, Labels& labels) {
    const int savedDc = SaveDC(dc);
    FitName(dc, labels[LabelId::PMSLabel1], labels[LabelId::PMSLabel1Shade]);
    for (std::size_t i = 0; i < kLabelCount; ++i) {
        Label& label = labels[static_cast<LabelId>(i)];
        if (!label.visible)
            continue;
        // Readouts are Windows-1252 bytes; converting them by a fixed table shows byte 248 as "ø" whatever
        // the system's code page.
        const std::wstring text = label.utf8 ? Utf8ToWide(label.text.View()) : Cp1252ToWide(label.text.View());
        LabelFont font = label.font;
        if (label.fittedHeight > 0)
            font.pixelHeight = label.fittedHeight;
        SelectObject(dc, FontFor(font));
        RECT box{label.left, label.top, label.left + label.width, label.top + label.height};
        if (!label.fixedSize) {
            RECT measured{0, 0, 0, 0};
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
                      DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            label.width = static_cast<int>(measured.right);
            label.height = static_cast<int>(measured.bottom);
            if (label.align == TextAlign::Right)
                label.left = label.right - label.width;
            box = {label.left, label.top, label.left + label.width, label.top + label.height};
        }
        if (label.transparent) {
            SetBkMode(dc, TRANSPARENT);
        } else {
            SetBkMode(dc, OPAQUE);
            SetBkColor(dc, ToColorRef(label.background));
            const GdiBrush brush(CreateSolidBrush(ToColorRef(label.background)));
            FillRect(dc, &box, brush.Get());
        }
        SetTextColor(dc, ToColorRef(label.color));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
                  AlignFlags(label.align) | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    }
    RestoreDC(dc, savedDc);
}

}  // namespace pixo
