#include "buttons/painters/paint_steps.h"

namespace buttons {

PainterInputs PainterInputsOf(const qvButtons_H& b) {
    PainterInputs in;
    in.style = b.ButtonStyle();
    in.mode = b.Mode();
    in.value = b.Value();
    in.shape = b.ButtonShape();
    in.gradientMode = b.GradientMode();
    in.gradientRgb = qvButtons_H::ResolveColor(b.GradientColor());
    in.showFocusRect = b.ShowFocusRect();
    in.enabled = b.Enabled();
    in.userMode = b.UserMode();
    in.defaultOutline = (b.InputFlags & qvButtons_H::DefaultOutline) != 0;
    in.heldDown = (b.InputFlags & qvButtons_H::HeldDown) != 0;
    in.pointerOver = (b.InputFlags & qvButtons_H::PointerOver) != 0;
    in.hovering = b.Hovering;
    in.pressedLook = b.PressedLook;
    in.containerBackRgb = b.ContainerBackRGB;
    in.foreColor = b.ForeColor();
    in.foreRgb = qvButtons_H::ResolveColor(b.ForeColor());
    in.hoverForeColor = b.HoverForeColor();
    in.faceColor = b.FaceColor;
    in.pressedFaceColor = b.PressedFaceColor;
    in.checkedFaceColor = b.CheckedFaceColor;
    in.flatLeft = b.FlatLeft;
    in.flatRight = b.FlatRight;
    in.width = b.ScaleWidthPixels();
    in.height = b.ScaleHeightPixels();
    return in;
}

bool FillFaceAndCaption(qvButtons_H& b, FaceChoice& choice, FaceState& faceState, PaintResult& result) {
    b.FillButtonFace(choice.face, faceState, result, choice.second, b.HoverFaceColor);
    if (result == 0) return false;
    if (choice.replaceHoverFore) {
        // The stored HoverForeColor stands aside for this one caption only.
        const std::int32_t saved = b.HoverForeColor();
        b.SetHoverForeColorDirect(choice.hoverForeStandIn);
        b.DrawButtonCaption(choice.face, choice.captionColorArg, choice.checked, choice.singlePass);
        b.SetHoverForeColorDirect(saved);
    } else {
        b.DrawButtonCaption(choice.face, choice.captionColorArg, choice.checked, choice.singlePass);
    }
    return true;
}

void FinishPainting(qvButtons_H& b, const PainterFinish& f, PainterPoints& points, BorderColors& colors,
                    FaceState& faceState, PaintResult& result) {
    HDC dc = b.BackBufferDC.get();
    faceState = f.faceState;
    if (f.drawBorder) {
        for (int i = 1; i <= 12; ++i) colors[i] = f.rings[i];
        b.DrawButtonBorder(points, colors, faceState, f.outerPenStyle);
        for (int i = 0; i < f.cornerCount; ++i)
            ::SetPixelV(dc, f.corners[i].x, f.corners[i].y, static_cast<COLORREF>(f.corners[i].colour));
    }
    if (f.designEllipse) {
        ::SelectClipRgn(dc, nullptr);
        b.SetDrawingTool(1, f.designEllipseColour, false, 1, PS_DOT, dc);
        const int w = b.ScaleWidthPixels(), h = b.ScaleHeightPixels();
        ::Arc(dc, 0, 0, w - 1, h - 1, 0, 0, 0, 0);
        ::SelectClipRgn(dc, b.OuterEdgeRegion.get());
    }
    switch (f.outline) {
    case PainterFinish::Outline::Plain: result = 1; break;
    case PainterFinish::Outline::Colour: colors[12] = f.outlineColour; break;
    case PainterFinish::Outline::Keep: break;
    }
    if (f.drawFocus) b.DrawFocusIndicator(f.focusColour, f.focusSolid, f.focusCaption, points);
}

}  // namespace buttons
