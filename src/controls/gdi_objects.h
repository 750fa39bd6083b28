// Owners for the GDI objects the controls create while painting: each is released exactly once.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <type_traits>

struct GdiObjectDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using UniquePen = std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectDeleter>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

struct MemoryDcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

// Selects an object into a DC and puts the previous one back into that same DC when it goes.
// Not for regions, whose SelectObject returns a region type instead of the old handle.
class SelectionGuard {
  public:
    SelectionGuard(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectionGuard() {
        if (dc_ && previous_)
            SelectObject(dc_, previous_);
    }
    SelectionGuard(const SelectionGuard&) = delete;
    SelectionGuard& operator=(const SelectionGuard&) = delete;

    bool Selected() const { return previous_ != nullptr; }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// An off-screen picture the size of a client area, compatible with the DC it will be copied to.
class MemorySurface {
  public:
    MemorySurface(HDC compatibleWith, int width, int height)
        : width_(width), height_(height), dc_(CreateCompatibleDC(compatibleWith)),
          bitmap_(CreateCompatibleBitmap(compatibleWith, width > 0 ? width : 1, height > 0 ? height : 1)) {
        if (dc_ && bitmap_)
            selection_.emplace(dc_.get(), bitmap_.get());
    }

    explicit operator bool() const { return selection_ && selection_->Selected(); }
    HDC Dc() const { return dc_.get(); }
    void CopyTo(HDC target) const { BitBlt(target, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY); }

  private:
    int width_;
    int height_;
    // Declared in this order so the bitmap is deselected before it and the DC are deleted.
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    std::optional<SelectionGuard> selection_;
};
