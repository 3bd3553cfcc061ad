// bsRoundedFrame: a black frame with rounded corners around a bevel tinted from
// the face colour; inverted colours when pressed.
#include "buttons/painters/colour.h"
#include "buttons/painters/style_rules.h"

namespace buttons {

namespace {

// The face before a gradient sends a pressed command button back to FaceColor.
int32_t ChosenFace(const PainterInputs& in) {
    if (in.command()) return in.pressed() ? in.pressedFaceColor : in.faceColor;
    return in.value ? in.checkedFaceColor : in.faceColor;
}

}  // namespace

FaceChoice RoundedFrameFace(const PainterInputs& in) {
    FaceChoice c;
    c.face = ChosenFace(in);
    if (in.gradientMode != gmNone && !in.value) {
        c.second = ShiftColor(in.gradientRgb, 31);
        if (in.command() && in.pressed()) c.face = in.faceColor;
    } else {
        c.second = c.face;
    }
    if ((in.pressed() && in.command()) || in.value)
        c.captionColorArg = (!in.enabled && in.value) ? ShiftColor(c.face, -32, true) : in.faceColor;
    else if (in.enabled)
        c.captionColorArg = in.foreRgb;
    else
        c.captionColorArg = in.command() ? kNone : kGrey;
    c.checked = in.value;
    c.singlePass = !in.command();
    if (in.foreColor == in.hoverForeColor || in.value) {
        c.replaceHoverFore = true;
        c.hoverForeStandIn = c.captionColorArg;
    }
    return c;
}

PainterFinish RoundedFrameFinish(const PainterInputs& in, int32_t face, int16_t faceState) {
    PainterFinish out;
    out.faceState = faceState;
    if (in.ringed()) {
        out.drawBorder = true;
        if (in.checkedLook()) out.faceState = in.value ? FacePressed : FaceNormal;
        int32_t c1 = kWhite;
        int32_t c2 = ShiftColor(face, 31, true);
        int32_t c3 = ShiftColor(face, -64, true);
        int32_t ringFace = face;
        if (out.faceState == FacePressed) {
            const int32_t g = in.gradientMode != gmNone ? in.faceColor : kGrey;
            ringFace = g;
            c1 = ShiftColor(g, -32);
            c2 = ShiftColor(g, -64);
            c3 = ShiftColor(g, -16);
        }
        SetRing(out.rings, 0, c1, c1, ringFace, ringFace);
        SetRing(out.rings, 1, c2, c2, c3, c3);
        SetRing(out.rings, 2, kBlack, kBlack, kBlack, kBlack);
        out.outerPenStyle = 0;

        const int32_t w = in.width, h = in.height;
        auto corner = [&out](int32_t x, int32_t y, int32_t colour) { out.corners[out.cornerCount++] = {x, y, colour}; };
        if (in.flatLeft == 0) {
            corner(3, 3, c1);
            corner(1, h - 3, ringFace);
            corner(2, 2, c2);
            corner(1, h - 2, kBlack);
            corner(1, 1, kBlack);
        }
        if (w == in.flatRight) {
            corner(w - 4, h - 4, ringFace);
            corner(w - 3, 1, ringFace);
            corner(w - 3, h - 3, c3);
            corner(w - 2, h - 2, kBlack);
            corner(w - 2, 1, kBlack);
        }
    }
    DecideRegionOutline(in, out);
    out.drawFocus = true;
    out.focusColour = kBlack;
    const int32_t chosen = ChosenFace(in);
    if (in.command() && in.shape > ShapeRectangle)
        out.focusColour = ShiftColor(chosen, -64);
    else if (!in.command() && in.value)
        out.focusColour = ShiftColor(kGrey, -32);
    out.focusSolid = in.value;
    out.focusCaption = true;
    return out;
}

}  // namespace buttons
