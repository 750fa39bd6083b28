// A picture the tests can paint into and read back pixel by pixel.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "controls/gdi_objects.h"

// A 32-bit top-down bitmap in a memory DC, whose pixels can be read back as COLORREF.
class PixelCanvas {
  public:
    PixelCanvas(int width, int height) : width_(width), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_.reset(
            CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
        selection_ = std::make_unique<SelectionGuard>(dc_.get(), bitmap_.get());
    }
    HDC Dc() const { return dc_.get(); }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const uint32_t pixel = bits_[y * width_ + x];
        return RGB((pixel >> 16) & 255, (pixel >> 8) & 255, pixel & 255);
    }

  private:
    int width_;
    uint32_t* bits_ = nullptr;
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    std::unique_ptr<SelectionGuard> selection_; // a pointer keeps the canvas movable
};

// Where the pixels inside area have exactly the given colour (row by row, area's width).
inline std::vector<bool> ColourMask(const PixelCanvas& canvas, const RECT& area, COLORREF colour) {
    std::vector<bool> mask;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            mask.push_back(canvas.At(x, y) == colour);
    }
    return mask;
}

inline int CountOf(const std::vector<bool>& mask) {
    int count = 0;
    for (bool set : mask)
        count += set ? 1 : 0;
    return count;
}
