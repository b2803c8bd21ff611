#include "e2e/driver/label_text.h"

#include <algorithm>
#include <iterator>

namespace pixo::e2e {
namespace {

constexpr int kSize = 200;
// Glyphs may reach a little past the box on every side.
constexpr int kMarginX = 6;
constexpr int kMarginY = 4;

COLORREF ToColorRef(Rgb p) {
    return RGB(RedOf(p), GreenOf(p), BlueOf(p));
}

std::string Describe(const PixelSet& pixels, std::size_t limit = 6) {
    std::string text;
    std::size_t shown = 0;
    for (const auto& [x, y] : pixels) {
        if (shown++ == limit) {
            text += " ...";
            break;
        }
        text += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
    }
    return text;
}

}  // namespace

PixelSet PixelsOfColour(const ScreenPicture& picture, const RECT& area, Rgb colour) {
    PixelSet pixels;
    for (int y = std::max(0, static_cast<int>(area.top)); y < std::min(picture.Height(), static_cast<int>(area.bottom));
         ++y) {
        for (int x = std::max(0, static_cast<int>(area.left));
             x < std::min(picture.Width(), static_cast<int>(area.right)); ++x) {
            if (picture.At(x, y) == colour)
                pixels.insert({x, y});
        }
    }
    return pixels;
}

RECT LabelArea(const LabelBox& label) {
    RECT area = label.box;
    InflateRect(&area, kMarginX, kMarginY);
    return area;
}

ScreenPicture RenderLabel(const std::wstring& text, const LabelBox& label) {
    // The lens composes its picture and labels in a bitmap compatible with the screen, then copies it.
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, kSize, kSize);
    const HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Arial");
    bool drawn = false;
    if (dc != nullptr && bitmap != nullptr && font != nullptr) {
        const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        PatBlt(dc, 0, 0, kSize, kSize, BLACKNESS);
        const HGDIOBJ oldFont = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ToColorRef(label.colour));
        RECT box = label.box;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
                  DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        SelectObject(dc, oldFont);
        SelectObject(dc, oldBitmap);
        drawn = true;
    }
    ScreenPicture picture = drawn ? ReadBitmap(bitmap, kSize, kSize) : ScreenPicture{};
    if (font != nullptr)
        DeleteObject(font);
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    if (dc != nullptr)
        DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return picture;
}

std::string CheckLabelText(const ScreenPicture& lens, const std::wstring& text, const LabelBox& label) {
    const ScreenPicture expected = RenderLabel(text, label);
    if (expected.Empty())
        return "the expected text could not be drawn";
    const RECT area = LabelArea(label);
    const PixelSet want = PixelsOfColour(expected, area, label.colour);
    const PixelSet have = PixelsOfColour(lens, area, label.colour);
    if (want.empty())
        return "the expected text has no pixel in the label's colour";
    if (have == want)
        return {};
    PixelSet missing;
    PixelSet extra;
    std::set_difference(want.begin(), want.end(), have.begin(), have.end(), std::inserter(missing, missing.end()));
    std::set_difference(have.begin(), have.end(), want.begin(), want.end(), std::inserter(extra, extra.end()));
    return std::to_string(have.size()) + " text pixels, expected " + std::to_string(want.size()) + "; " +
           std::to_string(missing.size()) + " missing:" + Describe(missing) + "; " + std::to_string(extra.size()) +
           " not expected:" + Describe(extra);
}

std::string CheckLabelEmpty(const ScreenPicture& lens, const LabelBox& label) {
    const PixelSet have = PixelsOfColour(lens, LabelArea(label), label.colour);
    return have.empty() ? std::string{}
                        : std::to_string(have.size()) + " pixels in the label's colour:" + Describe(have);
}

}  // namespace pixo::e2e
