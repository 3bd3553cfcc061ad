// The painting pipeline of the button: the back buffer, the repaint, the drawing
// tools selected into the back buffer and the face fill every painter starts with.
#include "buttons/qvbuttons_h.h"

#include <cmath>

#include "buttons/painters/colour.h"
#include "platform/high_contrast.h"

namespace buttons {

void qvButtons_H::RedrawButton() {
    if (DelayDrawingFlag()) return;
    NotifyAccessibleState();
    // A style without a painter copies nothing: the window keeps its image.
    if (ButtonStyle() < bsBevel || ButtonStyle() > bsRoundedFrame) return;
    PainterPoints points{};
    BorderColors colors{};
    FaceState faceState = FaceNormal;
    PaintResult result = PaintNothing;
    PaintStyle(points, colors, faceState, result);
    const std::int32_t outlineColor = colors[12];
    if (result == PaintNothing) return;
    PresentBackBuffer();
    if (result != PaintPlain) OutlineShapedRegion(outlineColor);
    UserControl::Refresh();
}

void qvButtons_H::OnSystemLookChanged() {
    UpdateCache(L"BackColor");  // the face colours of a system colour follow it
    RedrawButton();
}

void qvButtons_H::PrepareBackBuffer() {
    if (!backBuffer_ && !backBuffer_.Create(hWnd())) return;
    UpdateCache(L"Font");
    if (!backBuffer_.HasBitmap()) {
        platform::WindowDC windowDC(hWnd());
        backBuffer_.SelectBitmap(
            platform::Bitmap(::CreateCompatibleBitmap(windowDC.get(), ScaleWidthPixels(), ScaleHeightPixels())));
    }
}

void qvButtons_H::PresentBackBuffer() {
    ::BitBlt(hDC(), 0, 0, ScaleWidthPixels(), ScaleHeightPixels(), backBuffer_.dc(), 0, 0, SRCCOPY);
}

void qvButtons_H::DrawRectangle(HDC dc, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                                std::int32_t fill, std::int32_t outline, std::int32_t penWidth,
                                std::int32_t penStyle) {
    if (outline != -1) SetDrawingTool(ToolPen, outline, false, penWidth, penStyle);
    SetDrawingTool(ToolBrush, fill, outline == -1, 1, PS_SOLID);
    ::Rectangle(dc, left, top, right, bottom);
}

void qvButtons_H::SetDrawingTool(DrawingTool kind, std::int32_t color, bool alsoPen, std::int32_t penWidth,
                                 std::int32_t penStyle, HDC dc) {
    // A plain RGB colour is drawn with the device context's own brush and pen, which
    // only change colour: no GDI object is made for each band or line.
    const bool plainRgb = (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0;
    if (kind == ToolBrush) {
        if (plainRgb)
            backBuffer_.UseDCBrush(static_cast<COLORREF>(color));
        else
            backBuffer_.SelectBrush(platform::Brush(::CreateSolidBrush(static_cast<COLORREF>(color))));
        if (!alsoPen) return;
        kind = ToolPen;
    }
    if (kind == ToolPen) {
        if (plainRgb && penStyle == PS_SOLID && penWidth <= 1)
            backBuffer_.UseDCPen(static_cast<COLORREF>(color));
        else
            backBuffer_.SelectPen(platform::Pen(::CreatePen(penStyle, penWidth, static_cast<COLORREF>(color))));
    } else if (kind == ToolTextColour) {
        ::SetTextColor(dc ? dc : backBuffer_.dc(), static_cast<COLORREF>(ResolveColor(color)));
    }
}

std::int32_t qvButtons_H::ResolveColor(std::int32_t color) { return ResolveSystemColor(color); }

void qvButtons_H::FillButtonFace(std::int32_t& faceColor, FaceState& faceState, PaintResult& edgeResult,
                                 std::int32_t& gradientColor, std::int32_t& hoverColor) {
    edgeResult = PrepareShapeEdge();
    if (edgeResult == PaintNothing) return;
    const bool pressed = (InputFlags & HeldDown) && (InputFlags & PointerOver);
    faceState = pressed ? FacePressed : ((InputFlags & DefaultOutline) ? FaceDefaultOutline : FaceNormal);
    if (platform::HighContrastOn()) {  // one plain face: no hover colour, gradient or shading
        DrawRectangle(backBuffer_.dc(), 0, 0, ScaleWidthPixels(), ScaleHeightPixels(), faceColor);
        return;
    }
    if (hoverColor < 0) hoverColor = faceColor;  // stays in the cache the painter passed
    const bool down = Mode() == ModeCommand ? pressed : Value();
    const std::int32_t fill = (Hovering && !down) ? hoverColor : faceColor;
    const std::int32_t sw = ScaleWidthPixels();
    const std::int32_t sh = ScaleHeightPixels();
    HDC dc = backBuffer_.dc();

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

}  // namespace buttons
