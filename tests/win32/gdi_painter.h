#pragma once

// Real GDI drawing into a 32-bit top-down DIB section, with the same interface as pixo::Canvas, so that
// one drawing routine can run on both and the pictures can be compared pixel by pixel.

#include <windows.h>

#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "platform/win32/dib_info.h"
#include "raster/bitmap.h"
#include "raster/canvas.h"

namespace pixo::test {

// A memory DC with a 32-bit top-down DIB section selected into it.
class DibSurface {
  public:
    DibSurface(int width, int height) : width_(width), height_(height) {
        const BITMAPINFO info = TopDownInfo(width, height);
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~DibSurface() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    HDC Dc() const { return dc_; }
    bool Valid() const { return dc_ != nullptr && bitmap_ != nullptr && bits_ != nullptr; }

    void Load(const Bitmap& picture) {
        GdiFlush();
        std::memcpy(bits_, picture.Data(), Bytes());
    }
    Bitmap Read() const {
        GdiFlush();
        Bitmap picture(width_, height_);
        std::memcpy(picture.Data(), bits_, Bytes());
        return picture;
    }

  private:
    std::size_t Bytes() const { return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4; }

    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

inline int Rop2(MixMode mode) {
    switch (mode) {
        case MixMode::NotXor:
            return R2_NOTXORPEN;
        case MixMode::NotMask:
            return R2_NOTMASKPEN;
        case MixMode::Copy:
            break;
    }
    return R2_COPYPEN;
}

// Draws with GDI, taking the pen and brush from its public fields before every call like Canvas does.
class GdiPainter {
  public:
    explicit GdiPainter(HDC dc) : dc_(dc) {}

    Pen pen;
    Brush brush;

    void MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }
    void LineTo(int x, int y) {
        Scope scope(*this);
        ::LineTo(dc_, x, y);
    }
    void Line(int x0, int y0, int x1, int y1) {
        MoveTo(x0, y0);
        LineTo(x1, y1);
    }
    void Rectangle(int l, int t, int r, int b) {
        Scope scope(*this);
        ::Rectangle(dc_, l, t, r, b);
    }
    void Ellipse(int l, int t, int r, int b) {
        Scope scope(*this);
        ::Ellipse(dc_, l, t, r, b);
    }
    void Polygon(std::span<const Point> points) {
        std::vector<POINT> gdiPoints;
        for (const Point& p : points)
            gdiPoints.push_back(POINT{p.x, p.y});
        Scope scope(*this);
        SetPolyFillMode(dc_, ALTERNATE);
        ::Polygon(dc_, gdiPoints.data(), static_cast<int>(gdiPoints.size()));
    }
    HDC Dc() const { return dc_; }

  private:
    // Selects GDI objects made from the current pen and brush for one call.
    class Scope {
      public:
        explicit Scope(GdiPainter& p) : dc_(p.dc_) {
            const int style = p.pen.style == PenStyle::None ? PS_NULL : PS_SOLID;
            pen_ = CreatePen(style, p.pen.width, p.pen.color);
            brush_ = p.brush.style == BrushStyle::Clear ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))
                                                        : CreateSolidBrush(p.brush.color);
            ownsBrush_ = p.brush.style != BrushStyle::Clear;
            oldPen_ = SelectObject(dc_, pen_);
            oldBrush_ = SelectObject(dc_, brush_);
            SetROP2(dc_, Rop2(p.pen.mode));
        }
        ~Scope() {
            SelectObject(dc_, oldPen_);
            SelectObject(dc_, oldBrush_);
            DeleteObject(pen_);
            if (ownsBrush_)
                DeleteObject(brush_);
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        HDC dc_;
        HPEN pen_;
        HBRUSH brush_;
        bool ownsBrush_;
        HGDIOBJ oldPen_;
        HGDIOBJ oldBrush_;
    };

    HDC dc_;
};

// The lens corners as regions: the square as a polygon region XOR the inscribed circle's elliptic region.
inline void FillLensCorners(GdiPainter& painter, Color color) {
    const POINT square[4] = {{0, 0}, {200, 0}, {200, 200}, {0, 200}};
    HRGN corners = CreatePolygonRgn(square, 4, ALTERNATE);
    HRGN circle = CreateEllipticRgn(15, 15, 185, 185);
    CombineRgn(corners, corners, circle, RGN_XOR);
    HBRUSH fill = CreateSolidBrush(color);
    const int oldRop = SetROP2(painter.Dc(), R2_COPYPEN);
    FillRgn(painter.Dc(), corners, fill);
    SetROP2(painter.Dc(), oldRop);
    DeleteObject(fill);
    DeleteObject(circle);
    DeleteObject(corners);
    painter.brush = Brush{kWhite, BrushStyle::Solid};
}

inline void DrawPolygon(GdiPainter& painter, std::span<const int> values) {
    std::vector<Point> points;
    for (std::size_t i = 0; i + 1 < values.size(); i += 2)
        points.push_back(Point{values[i], values[i + 1]});
    painter.Polygon(points);
}

// Writes a picture as a 32-bit BMP file (for looking at a failed comparison).
inline void WriteBmp(const std::string& path, const Bitmap& picture) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = picture.Width();
    info.biHeight = -picture.Height();
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD pixelBytes = static_cast<DWORD>(picture.Width()) * static_cast<DWORD>(picture.Height()) * 4;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + pixelBytes;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(h, &file, sizeof(file), &written, nullptr);
    WriteFile(h, &info, sizeof(info), &written, nullptr);
    WriteFile(h, picture.Data(), pixelBytes, &written, nullptr);
    CloseHandle(h);
}

}  // namespace pixo::test
