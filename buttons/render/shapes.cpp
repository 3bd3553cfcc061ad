// The window region of each button shape, the edge rings of the round and picture
// shapes, and the custom-click movement.
#include "buttons/qvbuttons_h.h"

#include <cmath>
#include <cwchar>

#include "buttons/painters/colour.h"
#include "buttons/painters/gradient.h"
#include "platform/log.h"

namespace buttons {

namespace {

void Subtract(HRGN from, HRGN piece) {
    platform::Region owned(piece);
    ::CombineRgn(from, from, owned.get(), RGN_DIFF);
}

void SubtractPixel(HRGN from, int x, int y) { Subtract(from, ::CreateRectRgn(x, y, x + 1, y + 1)); }

void SubtractTriangle(HRGN from, POINT a, POINT b, POINT c) {
    const POINT points[3] = {a, b, c};
    Subtract(from, ::CreatePolygonRgn(points, 3, WINDING));
}

enum class Corners { None, Pixels, Triangles };

// Which corners of a straight vertical side the style trims.
Corners CornerTrim(std::int32_t style) {
    switch (style) {
    case bsFramedBevel:
    case bsEtched: return Corners::Pixels;
    case bsShadedRounded:
    case bsRoundedFrame: return Corners::Triangles;
    default: return Corners::None;
    }
}

void TrimLeft(HRGN region, Corners corners, std::int32_t sh) {
    if (corners == Corners::Pixels) {
        SubtractPixel(region, 0, 0);
        SubtractPixel(region, 0, sh - 1);
    } else if (corners == Corners::Triangles) {
        SubtractTriangle(region, {0, 0}, {2, 0}, {0, 2});
        SubtractTriangle(region, {0, sh}, {3, sh}, {0, sh - 3});
    }
}

void TrimRight(HRGN region, Corners corners, std::int32_t style, std::int32_t sw, std::int32_t sh) {
    if (corners == Corners::Pixels) {
        if (style != bsEtched) SubtractPixel(region, sw - 1, sh - 1);
        SubtractPixel(region, sw - 1, 0);
    } else if (corners == Corners::Triangles) {
        SubtractTriangle(region, {sw, 0}, {sw - 2, 0}, {sw, 2});
        SubtractTriangle(region, {sw, sh}, {sw - 3, sh}, {sw, sh - 3});
    }
}

// The control window's top-left corner in its container's client coordinates.
POINT PositionInContainer(HWND hwnd, HWND container) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    POINT p{r.left, r.top};
    ::ScreenToClient(container, &p);
    return p;
}

}  // namespace

void qvButtons_H::BuildShapeRegions() {
    FlatLeft = 0;
    FlatRight = ScaleWidthPixels();
    HDC dc = backBuffer_.dc();
    if (dc) ::SelectClipRgn(dc, nullptr);
    InnerEdgeRegion.reset();
    OuterEdgeRegion.reset();

    const std::int32_t shape = ButtonShape();
    platform::Region window;
    if (shape == ShapeSlantLeft || shape == ShapeSlantRight || shape == ShapeSlantBoth) {
        window = SlantRegion();
    } else if (shape == ShapeOval || shape == ShapeOvalNoText || shape == ShapeOvalFlat) {
        window = OvalRegion(dc);
    } else if (shape == ShapeCustom || shape == ShapeCustom3D) {
        if (!PictureRegion(dc, window)) return;  // the old window region stays
    } else {
        window = RectangleRegion();
    }
    // The platform owns the window region from here on.
    if (hWnd()) ::SetWindowRgn(hWnd(), window.release(), TRUE);
    if (FlatRight == 0) FlatRight = ScaleWidthPixels();
}

platform::Region qvButtons_H::SlantRegion() {
    const std::int32_t shape = ButtonShape();
    const std::int32_t style = ButtonStyle();
    std::int32_t sw = ScaleWidthPixels();
    const std::int32_t sh = ScaleHeightPixels();
    // A 45-degree slant; the flat part stays at least five pixels wide.
    const auto d = static_cast<std::int32_t>(std::nearbyint(4.0f * ((static_cast<float>(sh) + 1.0f) / 4.0f)));
    std::int32_t x = sw;
    while (x - d < 5) x += 5;
    if (sw != x) {
        DelayDrawing(true);
        const POINT at = PositionInContainer(hWnd(), ContainerHwnd());
        Move(at.x, at.y, x, sh);
        sw = ScaleWidthPixels();
        FlatRight = sw;
        delayDrawing_ = false;
    }
    const std::int32_t w = sw - d;
    POINT p[4] = {{0, 0}, {0, sh + 1}, {sw + 1, sh + 1}, {sw + 1, 0}};
    if (shape != ShapeSlantRight) {
        p[1].x = d;
        FlatLeft = d;
    }
    if (shape != ShapeSlantLeft) {
        p[3].x = w + 1;
        FlatRight = w;
    }
    platform::Region window(::CreatePolygonRgn(p, 4, WINDING));
    const bool etchedDisabled = style == bsEtched && !Enabled();
    const Corners corners = etchedDisabled ? Corners::None : CornerTrim(style);
    if (shape == ShapeSlantRight) TrimLeft(window.get(), corners, sh);
    if (shape == ShapeSlantLeft) TrimRight(window.get(), corners, style, sw, sh);
    return window;
}

platform::Region qvButtons_H::OvalRegion(HDC dc) {
    const std::int32_t shape = ButtonShape();
    const std::int32_t sw = ScaleWidthPixels();
    const std::int32_t sh = ScaleHeightPixels();
    platform::Region window(::CreateEllipticRgn(0, 0, sw, sh));
    if (ButtonStyle() != bsHoverFrame) {
        if (shape == ShapeOvalFlat) {
            platform::Brush black(::CreateSolidBrush(RGB(0, 0, 0)));
            if (dc) ::FrameRgn(dc, window.get(), black.get(), 1, 1);
        } else {
            FillGradientInMode(*this, gmTopToBottom, kWhite, kGrey);  // the raised ring
        }
        if (dc) ::SelectClipRgn(dc, nullptr);
    }
    OuterEdgeRegion.reset(::CreateEllipticRgn(1, 1, sw - 1, sh - 1));
    InnerEdgeRegion.reset(::CreateEllipticRgn(2, 2, sw - 2, sh - 2));
    return window;
}

bool qvButtons_H::PictureRegion(HDC dc, platform::Region& window) {
    if (PictureWidth == 0 || PictureHeight == 0) return false;
    const SIZE fitted = FitImage(ScaleWidthPixels(), ScaleHeightPixels());
    if (fitted.cx <= 0 || fitted.cy <= 0) return false;  // no pixel of the picture fits
    try {
        DelayDrawing(true);
        const POINT at = PositionInContainer(hWnd(), ContainerHwnd());
        Move(at.x, at.y, fitted.cx, fitted.cy);
        const std::int32_t sw = ScaleWidthPixels();
        const std::int32_t sh = ScaleHeightPixels();
        FlatRight = sw;
        delayDrawing_ = false;
        window.reset(::CreateRectRgn(0, 0, sw, sh));
        PrepareImage(sw, sh, window.get());
        // The edge regions start one and two pixels inside the window region's box.
        RECT box{}, outer{}, inner{};
        ::GetRgnBox(window.get(), &box);
        if (OuterEdgeRegion) {
            ::GetRgnBox(OuterEdgeRegion.get(), &outer);
            ::OffsetRgn(OuterEdgeRegion.get(), box.left - outer.left + 1, box.top - outer.top + 1);
        }
        if (InnerEdgeRegion) {
            ::GetRgnBox(InnerEdgeRegion.get(), &inner);
            ::OffsetRgn(InnerEdgeRegion.get(), box.left - inner.left + 2, box.top - inner.top + 2);
        }
        if (ButtonShape() == ShapeCustom3D) {
            FillGradientInMode(*this, gmTopToBottom, kWhite, kGrey);
        } else {
            platform::Brush back(::CreateSolidBrush(static_cast<COLORREF>(ResolveColor(BackColor()))));
            if (dc) ::FrameRgn(dc, window.get(), back.get(), 1, 1);
        }
        if (dc) ::SelectClipRgn(dc, OuterEdgeRegion.get());
    } catch (...) {
        platform::LogFailure(L"il disegno del bordo della forma");
        return false;
    }
    return true;
}

platform::Region qvButtons_H::RectangleRegion() {
    const std::int32_t style = ButtonStyle();
    const std::int32_t sw = ScaleWidthPixels();
    const std::int32_t sh = ScaleHeightPixels();
    platform::Region window(::CreateRectRgn(0, 0, sw + 1, sh + 1));
    if (ButtonShape() == ShapeRectangle) {
        const bool etchedDisabled = style == bsEtched && !Enabled();
        const Corners corners = etchedDisabled ? Corners::None : CornerTrim(style);
        TrimLeft(window.get(), corners, sh);
        TrimRight(window.get(), corners, style, sw, sh);
    }
    return window;
}

PaintResult qvButtons_H::PrepareShapeEdge() {
    if (ApplyCustomClickMove()) return PaintNothing;
    PaintResult result = PaintPlain;
    const bool pressed = (InputFlags & HeldDown) && (InputFlags & PointerOver);
    const bool checked = Value();
    const std::int32_t shape = ButtonShape();
    HDC dc = backBuffer_.dc();
    if (ButtonStyle() == bsHoverFrame && !Hovering && !pressed && !checked) {
        ::SelectClipRgn(dc, nullptr);
        return PaintPlain;
    }
    ::SelectClipRgn(dc, nullptr);
    if (ButtonStyle() == bsHoverFrame && (checked || (shape != ShapeOvalFlat && shape != ShapeCustom))) {
        FillGradientInMode(*this, gmTopToBottom, kWhite, kGrey);
        ::SelectClipRgn(dc, InnerEdgeRegion.get());
        result = PaintInnerEdge;
    }
    if ((pressed || checked) && shape != ShapeOvalFlat && shape != ShapeCustom) {
        ::SelectClipRgn(dc, OuterEdgeRegion.get());
        FillGradientInMode(*this, gmTopToBottom, kGrey, kWhite);  // the sunken ring
        ::SelectClipRgn(dc, InnerEdgeRegion.get());
        result = PaintInnerEdge;
    } else if (shape == ShapeCustom || (shape == ShapeOvalFlat && Hovering)) {
        platform::Region copy(::CreateRectRgn(0, 0, 0, 0));
        ::GetWindowRgn(hWnd(), copy.get());
        const std::int32_t colour = shape == ShapeCustom ? ResolveColor(BackColor()) : kBlack;
        platform::Brush brush(::CreateSolidBrush(static_cast<COLORREF>(colour)));
        ::FrameRgn(dc, copy.get(), brush.get(), 1, 1);
        ::SelectClipRgn(dc, OuterEdgeRegion.get());
        result = PaintOuterEdge;
    } else if (shape != ShapeOvalFlat) {
        // Clipping to no region (shapes 0 to 3) removes the clipping.
        ::SelectClipRgn(dc, OuterEdgeRegion.get());
        result = PaintOuterEdge;
    }
    return result;
}

void qvButtons_H::OutlineShapedRegion(std::int32_t outlineColor) {
    const std::int32_t shape = ButtonShape();
    const bool pressed = (InputFlags & HeldDown) && (InputFlags & PointerOver);
    const bool shaded = ButtonStyle() == bsShadedRounded;
    HRGN frame = nullptr;
    platform::Region copy;
    if (shape >= ShapeOval && shape <= ShapeOvalFlat) {
        if (shaded && !pressed) {
            frame = OuterEdgeRegion.get();
        } else if (shape == ShapeOvalFlat) {
            copy.reset(::CreateRectRgn(0, 0, 0, 0));
            ::GetWindowRgn(hWnd(), copy.get());
            frame = copy.get();
        }
    } else if (shape == ShapeCustom || shape == ShapeCustom3D) {
        if (Hovering && !pressed) {
            if (!shaded) {
                outlineColor = HoverFaceColor;
                if (outlineColor == ResolveColor(BackColor())) return;
            }
            copy.reset(::CreateRectRgn(0, 0, 0, 0));
            ::GetWindowRgn(hWnd(), copy.get());
            frame = copy.get();
        } else if (InputFlags & DefaultOutline) {
            frame = shape == ShapeCustom3D ? InnerEdgeRegion.get() : OuterEdgeRegion.get();
            if (Value() && !shaded) outlineColor = ShiftColor(PressedFaceColor, -32);
        }
    }
    if (!frame) return;
    platform::Brush brush(::CreateSolidBrush(static_cast<COLORREF>(outlineColor)));
    ::FrameRgn(hDC(), frame, brush.get(), 1, 1);
}

bool qvButtons_H::ApplyCustomClickMove() {
    if (CustomClick() == 0 || Mode() != ModeCommand) return false;
    static constexpr POINT kPressOffset[9] = {{0, 0},  {0, -1}, {1, -1}, {-1, -1}, {1, 1},
                                              {-1, 1}, {1, 0},  {0, 1},  {-1, 0}};
    const std::int32_t click = CustomClick();
    if (click < 1 || click > 8) return false;
    const HWND container = ContainerHandleText.empty() ? ContainerHwnd() : ContainerHandle();
    RECT r{};
    ::GetWindowRect(hWnd(), &r);
    POINT at{r.left, r.top};
    ::ScreenToClient(container, &at);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const bool pressed = (InputFlags & HeldDown) && (InputFlags & PointerOver);
    const POINT offset = kPressOffset[click];
    if (pressed && !ClickMoved) {
        ::MoveWindow(hWnd(), at.x + offset.x, at.y + offset.y, width, height, TRUE);
        ClickMoved = true;
        PresentBackBuffer();
        UserControl::Refresh();
        return true;
    }
    if (ClickMoved && !pressed) {
        ::MoveWindow(hWnd(), at.x - offset.x, at.y - offset.y, width, height, TRUE);
        ClickMoved = false;
    }
    return false;
}

}  // namespace buttons
