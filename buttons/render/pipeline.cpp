// The painting pipeline of the button: the back buffer, the repaint, the drawing
// tools selected into the back buffer and the face fill every painter starts with.
#include "buttons/qvbuttons_h.h"

#include <cmath>

#include "buttons/painters/colour.h"

namespace buttons {

namespace {

HGDIOBJ SelectInto(HDC dc, HGDIOBJ object) { return dc ? ::SelectObject(dc, object) : nullptr; }

}  // namespace

void qvButtons_H::RedrawButton() {
    if (DelayDrawingFlag()) return;
    PainterPoints points{};
    BorderColors colors{};
    FaceState faceState = 0;
    PaintResult result = 0;
    switch (ButtonStyle()) {
    case bsBevel: PaintBevel(points, colors, faceState, result); break;
    case bsFramedBevel: PaintFramedBevel(points, colors, faceState, result); break;
    case bsShadedRounded: PaintShadedRounded(points, colors, faceState, result); break;
    case bsEtched: PaintEtched(points, colors, faceState, result); break;
    case bsFlat: PaintFlat(points, colors, faceState, result); break;
    case bsHoverFrame: PaintHoverFrame(points, colors, faceState, result); break;
    case bsSoftBevel: PaintSoftBevel(points, colors, faceState, result); break;
    case bsRoundedFrame: PaintRoundedFrame(points, colors, faceState, result); break;
    default: break;  // no painter: nothing is copied and the window keeps its image
    }
    const std::int32_t outlineColor = colors[12];
    if (result == 0) return;
    PresentBackBuffer();
    if (result > 1) OutlineShapedRegion(outlineColor);
    UserControl::Refresh();
}

void qvButtons_H::PrepareBackBuffer() {
    if (!BackBufferDC) {
        platform::WindowDC windowDC(hWnd());
        BackBufferDC.reset(::CreateCompatibleDC(windowDC.get()));
        if (!BackBufferDC) return;
        // Text is drawn without filling its background.
        ::SetBkMode(BackBufferDC.get(), TRANSPARENT);
        platform::Brush brush(::CreateSolidBrush(RGB(0, 0, 0)));
        InitialBrush = SelectInto(BackBufferDC.get(), brush.get());
        CurrentBrush = std::move(brush);
        platform::Pen pen(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
        InitialPen = SelectInto(BackBufferDC.get(), pen.get());
        CurrentPen = std::move(pen);
    }
    UpdateCache(L"Font");
    if (!InitialBitmap) {
        platform::WindowDC windowDC(hWnd());
        platform::Bitmap bitmap(::CreateCompatibleBitmap(windowDC.get(), ScaleWidthPixels(), ScaleHeightPixels()));
        InitialBitmap = SelectInto(BackBufferDC.get(), bitmap.get());
        BackBufferBitmap = std::move(bitmap);
    }
}

void qvButtons_H::PresentBackBuffer() {
    ::BitBlt(hDC(), 0, 0, ScaleWidthPixels(), ScaleHeightPixels(), BackBufferDC.get(), 0, 0, SRCCOPY);
}

void qvButtons_H::DrawRectangle(HDC dc, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                                std::int32_t fill, std::int32_t outline, std::int32_t penWidth,
                                std::int32_t penStyle) {
    if (outline != -1) SetDrawingTool(1, outline, false, penWidth, penStyle);
    SetDrawingTool(0, fill, outline == -1, 1, PS_SOLID);
    ::Rectangle(dc, left, top, right, bottom);
}

void qvButtons_H::SetDrawingTool(std::int32_t kind, std::int32_t color, bool alsoPen, std::int32_t penWidth,
                                 std::int32_t penStyle, HDC dc) {
    // A plain RGB colour is drawn with the device context's own brush and pen, which
    // only change colour: no GDI object is made for each band or line.
    const bool plainRgb = (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0;
    if (kind == 0) {
        if (plainRgb) {
            SelectInto(BackBufferDC.get(), ::GetStockObject(DC_BRUSH));
            ::SetDCBrushColor(BackBufferDC.get(), static_cast<COLORREF>(color));
            CurrentBrush.reset();  // the brush that came out, if one was made
        } else {
            platform::Brush brush(::CreateSolidBrush(static_cast<COLORREF>(color)));
            SelectInto(BackBufferDC.get(), brush.get());
            CurrentBrush = std::move(brush);  // deletes the brush that came out
        }
        if (!alsoPen) return;
        kind = 1;
    }
    if (kind == 1) {
        if (plainRgb && penStyle == PS_SOLID && penWidth <= 1) {
            SelectInto(BackBufferDC.get(), ::GetStockObject(DC_PEN));
            ::SetDCPenColor(BackBufferDC.get(), static_cast<COLORREF>(color));
            CurrentPen.reset();
        } else {
            platform::Pen pen(::CreatePen(penStyle, penWidth, static_cast<COLORREF>(color)));
            SelectInto(BackBufferDC.get(), pen.get());
            CurrentPen = std::move(pen);
        }
    } else if (kind == 2) {
        ::SetTextColor(dc ? dc : BackBufferDC.get(), static_cast<COLORREF>(ResolveColor(color)));
    }
}

void qvButtons_H::ReleaseDrawingTools() {
    if (InitialBrush) SelectInto(BackBufferDC.get(), InitialBrush);
    CurrentBrush.reset();
    if (InitialPen) SelectInto(BackBufferDC.get(), InitialPen);
    CurrentPen.reset();
}

std::int32_t qvButtons_H::ResolveColor(std::int32_t color) { return ResolveSystemColor(color); }

void qvButtons_H::FillButtonFace(std::int32_t& faceColor, FaceState& faceState, PaintResult& edgeResult,
                                 std::int32_t& gradientColor, std::int32_t& hoverColor) {
    edgeResult = PrepareShapeEdge();
    if (edgeResult == 0) return;
    const bool pressed = (InputFlags & HeldDown) && (InputFlags & PointerOver);
    faceState = pressed ? 2 : ((InputFlags & DefaultOutline) ? 1 : 0);
    if (hoverColor < 0) hoverColor = faceColor;  // stays in the cache the painter passed
    const bool down = Mode() == ModeCommand ? pressed : Value();
    const std::int32_t fill = (Hovering && !down) ? hoverColor : faceColor;
    const std::int32_t sw = ScaleWidthPixels();
    const std::int32_t sh = ScaleHeightPixels();
    HDC dc = BackBufferDC.get();

    if (Value() || ButtonShape() == ShapeCustom || ButtonShape() == ShapeCustom3D || GradientMode() == gmNone) {
        if (ButtonStyle() == bsShadedRounded && (Enabled() || Mode() != ModeCommand)) {
            // Darkens linearly from the top row (unshifted) by 25 levels over the height.
            if (sh <= 0) return;
            const float perRow = 25.0f / static_cast<float>(sh);
            for (std::int32_t i = 0; i <= sh; ++i) {
                const auto shade = static_cast<std::int16_t>(std::nearbyint(-perRow * static_cast<float>(i)));
                DrawRectangle(dc, 0, i, sw, i + 1, ShiftColor(fill, shade, true));
            }
        } else {
            DrawRectangle(dc, 0, 0, sw, sh, fill);
        }
    } else if (!Hovering || pressed || GradientColor() == HoverBackColor()) {
        // The gradient always starts from the face colour, never from the hover colour.
        if (gradientColor < 0) gradientColor = faceColor;
        FillGradient(faceColor, gradientColor);
    } else {
        DrawRectangle(dc, 0, 0, sw, sh, hoverColor);
    }
}

void qvButtons_H::DropBackBufferBitmap() {
    if (!BackBufferDC) return;
    if (InitialBitmap) SelectInto(BackBufferDC.get(), InitialBitmap);
    BackBufferBitmap.reset();
    InitialBitmap = nullptr;
}

void qvButtons_H::ReleaseBackBuffer() {
    if (!BackBufferDC) return;
    ReleaseDrawingTools();
    if (InitialFont) SelectInto(BackBufferDC.get(), InitialFont);
    CaptionFont.reset();
    InitialFont = nullptr;
    DropBackBufferBitmap();
    BackBufferDC.reset();
}

}  // namespace buttons
