// The steps every style painter takes on the control, around its own decisions
// (style_rules.h): read the inputs, fill the face and draw the caption, then carry
// out rings, corner pixels, region outline and focus mark.
#include "buttons/painters/high_contrast.h"
#include "buttons/painters/style_rules.h"
#include "buttons/qvbuttons_h.h"
#include "platform/high_contrast.h"

namespace buttons {

void qvButtons_H::PaintStyle(PainterPoints& points, BorderColors& colors, FaceState& faceState, PaintResult& result) {
    const PainterInputs in = ReadPainterInputs();
    if (platform::HighContrastOn()) {
        // The style's own geometry in the system's colours; hover is a frame.
        const SystemPalette palette = SystemPalette::Current();
        FaceChoice choice = HighContrastFace(in, ChooseFace(in), palette);
        if (!FillFaceAndCaption(choice, faceState, result)) return;
        PainterFinish finish = HighContrastFinish(in, ChooseFinish(in, choice.face, faceState), choice.face, palette);
        const bool focus = finish.drawFocus;
        finish.drawFocus = false;
        FinishPainting(finish, points, colors, faceState, result);
        if (in.hovering) FrameHover(palette.hotLight);
        if (focus) DrawFocusIndicator(finish.focusColour, true, finish.focusCaption, points);
        return;
    }
    FaceChoice choice = ChooseFace(in);
    if (!FillFaceAndCaption(choice, faceState, result)) return;
    FinishPainting(ChooseFinish(in, choice.face, faceState), points, colors, faceState, result);
}

void qvButtons_H::FrameHover(std::int32_t colour) {
    HDC dc = backBuffer_.dc();
    const platform::Brush brush(::CreateSolidBrush(static_cast<COLORREF>(colour)));
    if (OuterEdgeRegion) {
        ::FrameRgn(dc, OuterEdgeRegion.get(), brush.get(), 2, 2);
    } else {
        const RECT all{0, 0, ScaleWidthPixels(), ScaleHeightPixels()};
        const RECT inner{2, 2, all.right - 2, all.bottom - 2};
        platform::Region frame(::CreateRectRgnIndirect(&all));
        const platform::Region hole(::CreateRectRgnIndirect(&inner));
        ::CombineRgn(frame.get(), frame.get(), hole.get(), RGN_DIFF);
        ::FillRgn(dc, frame.get(), brush.get());
    }
}

PainterInputs qvButtons_H::ReadPainterInputs() const {
    PainterInputs in;
    in.style = ButtonStyle();
    in.mode = Mode();
    in.value = Value();
    in.shape = ButtonShape();
    in.gradientMode = GradientMode();
    in.gradientRgb = ResolveColor(GradientColor());
    in.showFocusRect = ShowFocusRect();
    in.enabled = Enabled();
    in.userMode = UserMode();
    in.defaultOutline = (InputFlags & DefaultOutline) != 0;
    in.heldDown = (InputFlags & HeldDown) != 0;
    in.pointerOver = (InputFlags & PointerOver) != 0;
    in.hovering = Hovering;
    in.pressedLook = PressedLook;
    in.containerBackRgb = ContainerBackRGB;
    in.foreColor = ForeColor();
    in.foreRgb = ResolveColor(ForeColor());
    in.hoverForeColor = HoverForeColor();
    in.faceColor = FaceColor;
    in.pressedFaceColor = PressedFaceColor;
    in.checkedFaceColor = CheckedFaceColor;
    in.flatLeft = FlatLeft;
    in.flatRight = FlatRight;
    in.width = ScaleWidthPixels();
    in.height = ScaleHeightPixels();
    return in;
}

bool qvButtons_H::FillFaceAndCaption(FaceChoice& choice, FaceState& faceState, PaintResult& result) {
    FillButtonFace(choice.face, faceState, result, choice.second, HoverFaceColor);
    if (result == PaintNothing) return false;
    if (choice.replaceHoverFore) {
        // The stored HoverForeColor stands aside for this one caption only.
        const std::int32_t saved = hoverForeColor_;
        hoverForeColor_ = choice.hoverForeStandIn;
        DrawButtonCaption(choice.face, choice.captionColorArg, choice.checked, choice.singlePass);
        hoverForeColor_ = saved;
    } else {
        DrawButtonCaption(choice.face, choice.captionColorArg, choice.checked, choice.singlePass);
    }
    return true;
}

void qvButtons_H::FinishPainting(const PainterFinish& f, PainterPoints& points, BorderColors& colors,
                                 FaceState& faceState, PaintResult& result) {
    HDC dc = backBuffer_.dc();
    faceState = f.faceState;
    if (f.drawBorder) {
        for (int i = 1; i <= 12; ++i) colors[i] = f.rings[i];
        DrawButtonBorder(points, colors, faceState, f.outerPenStyle);
        for (int i = 0; i < f.cornerCount; ++i)
            ::SetPixelV(dc, f.corners[i].x, f.corners[i].y, static_cast<COLORREF>(f.corners[i].colour));
    }
    if (f.designEllipse) {
        ::SelectClipRgn(dc, nullptr);
        SetDrawingTool(ToolPen, f.designEllipseColour, false, 1, PS_DOT, dc);
        ::Arc(dc, 0, 0, ScaleWidthPixels() - 1, ScaleHeightPixels() - 1, 0, 0, 0, 0);
        ::SelectClipRgn(dc, OuterEdgeRegion.get());
    }
    switch (f.outline) {
    case PainterFinish::Outline::Plain: result = PaintPlain; break;
    case PainterFinish::Outline::Colour: colors[12] = f.outlineColour; break;
    case PainterFinish::Outline::Keep: break;
    }
    if (f.drawFocus) DrawFocusIndicator(f.focusColour, f.focusSolid, f.focusCaption, points);
}

}  // namespace buttons
