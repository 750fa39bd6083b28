#include "controls/drawing.h"

#include "controls/gdi_objects.h"

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    UniqueBrush brush(CreateSolidBrush(colour));
    if (brush)
        FillRect(dc, &rect, brush.get());
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF colour) {
    UniqueBrush brush(CreateSolidBrush(colour));
    if (brush)
        FrameRect(dc, &rect, brush.get());
}

void FillGradient(HDC dc, const RECT& rect, COLORREF colour1, COLORREF colour2, int mode) {
    TRIVERTEX vertices[2] = {};
    vertices[0].x = rect.left;
    vertices[0].y = rect.top;
    vertices[0].Red = ByteToColor16(RedOf(colour1));
    vertices[0].Green = ByteToColor16(GreenOf(colour1));
    vertices[0].Blue = ByteToColor16(BlueOf(colour1));
    vertices[1].x = rect.right;
    vertices[1].y = rect.bottom;
    vertices[1].Red = ByteToColor16(RedOf(colour2));
    vertices[1].Green = ByteToColor16(GreenOf(colour2));
    vertices[1].Blue = ByteToColor16(BlueOf(colour2));
    GRADIENT_RECT gradient{0, 1};
    GradientFill(dc, vertices, 2, &gradient, 1,
                 mode == kGradientVertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

void FillRoundGradient(HDC dc, const RECT& rect, COLORREF colour1, COLORREF colour2) {
    UniqueRegion corners(CreateRoundRectRgn(rect.left, rect.top, rect.right, rect.bottom, 2, 2));
    if (corners)
        SelectClipRgn(dc, corners.get()); // the DC keeps its own copy of the region
    FillGradient(dc, rect, colour1, colour2, kGradientVertical);
    SelectClipRgn(dc, nullptr);
}
