// bsShadedRounded: a dark-blue frame with rounded corners around a vertically
// shaded face; blue rings show the focus, orange rings the hover. No focus mark.
#include "buttons/painters/colour.h"
#include "buttons/painters/style_rules.h"

namespace buttons {

namespace {

constexpr int32_t kFrame = 0x733C00;
constexpr int32_t kFocusOutline = 0xEF826B;
constexpr int32_t kHotOutline = 0x0096E7;

// The base colour B the ring shades are taken from.
int32_t ShadedBase(const PainterInputs& in) {
    if (!in.command()) return in.value ? in.checkedFaceColor : in.faceColor;
    return in.faceColor;
}

}  // namespace

FaceChoice ShadedRoundedFace(const PainterInputs& in) {
    FaceChoice c;
    if (!in.command())
        c.face = ShadedBase(in);
    else if (in.pressed() && in.gradientMode == gmNone)
        c.face = in.pressedFaceColor;
    else
        c.face = in.enabled ? in.faceColor : ShiftColor(in.faceColor, -24, true);
    c.second = (in.shape <= ShapeOvalFlat && in.gradientMode != gmNone) ? ShiftColor(in.gradientRgb, 48, true) : c.face;
    c.captionColorArg = in.enabled ? kNone : ShiftColor(c.face, -104, true);
    c.checked = in.value;
    c.singlePass = true;
    return c;
}

PainterFinish ShadedRoundedFinish(const PainterInputs& in, int32_t /*face*/, int16_t faceState) {
    PainterFinish out;
    out.faceState = faceState;
    if (!in.ringed()) {
        if (in.defaultOutline && !in.hovering) {
            out.outline = PainterFinish::Outline::Colour;
            out.outlineColour = kFocusOutline;
        } else if (in.hovering) {
            out.outline = PainterFinish::Outline::Colour;
            out.outlineColour = kHotOutline;
        } else {
            out.outline = PainterFinish::Outline::Plain;
        }
        return out;
    }

    const int32_t b = ShadedBase(in);
    auto s = [b](int n) { return ShiftColor(b, static_cast<int16_t>(n), true); };
    out.drawBorder = true;
    int32_t frame = kFrame;
    if (in.enabled) {
        if (in.checkedLook()) out.faceState = in.defaultOutline ? FaceDefaultOutline : FacePressed;
        if (in.pointerOver && !in.heldDown)
            out.faceState = FacePainterOwn;
        else if (out.faceState == FaceDefaultOutline && !in.showFocusRect)
            out.faceState = FaceNormal;
        switch (out.faceState) {
        case FaceNormal:
            SetRing(out.rings, 0, s(-10), s(10), s(-24), s(-32));
            SetRing(out.rings, 1, s(-5), s(16), s(-36), s(-48));
            break;
        case FaceDefaultOutline:
            SetRing(out.rings, 0, 0xF0D1B5, 0xF7D7BD, 0xF0D1B5, 0xE7AE8C);
            SetRing(out.rings, 1, 0xE7AE8C, 0xFFDFBF, 0xE7AE8C, kFocusOutline);
            break;
        case FacePressed:
            SetRing(out.rings, 0, s(-22), s(-24), b, s(10));
            SetRing(out.rings, 1, s(-32), s(-32), s(5), s(16));
            break;
        default:
            SetRing(out.rings, 0, 0x6BCBFF, 0x8CDBFF, 0x6BCBFF, 0x31B2FF);
            SetRing(out.rings, 1, 0x31B2FF, 0xA6E9FF, 0x31B2FF, kHotOutline);
            break;
        }
    } else {
        frame = s(-84);
        SetRing(out.rings, 0, kNone, kNone, kNone, kNone);
        SetRing(out.rings, 1, kNone, kNone, kNone, kNone);
    }
    SetRing(out.rings, 2, frame, frame, frame, frame);
    out.outerPenStyle = 0;

    const int32_t w = in.width, h = in.height;
    if (in.flatLeft == 0) {
        out.corners[out.cornerCount++] = {1, h - 2, frame};
        out.corners[out.cornerCount++] = {1, 1, frame};
    }
    if (w == in.flatRight) {
        out.corners[out.cornerCount++] = {w - 2, h - 2, frame};
        out.corners[out.cornerCount++] = {w - 2, 1, frame};
    }
    return out;
}

}  // namespace buttons
