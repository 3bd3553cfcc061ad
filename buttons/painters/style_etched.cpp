// bsEtched: an etched two-line frame in dark grey and white with a lavender focus
// rectangle around the caption; caption and image never move.
#include "buttons/painters/colour.h"
#include "buttons/painters/style_rules.h"

#include <algorithm>

namespace buttons {

FaceChoice EtchedFace(const PainterInputs& in) {
    FaceChoice c;
    c.face = in.faceColor;
    if (!in.command() && in.value)
        c.face = in.checkedFaceColor;
    else if (in.command() && in.pressed())
        c.face = in.pressedFaceColor;
    c.second = in.gradientRgb;
    c.captionColorArg = in.enabled ? kGrey : ShiftColor(kGrey, -16);
    c.checked = false;
    c.singlePass = true;
    return c;
}

PainterFinish EtchedFinish(const PainterInputs& in, int32_t face, int16_t faceState) {
    PainterFinish out = RingedFinish(in, faceState, [&](PainterFinish& f) {
        const int32_t dark = ShiftColor(kGrey, -26);
        if (in.enabled || !in.command()) {
            SetLitRing(f.rings, 0, kNone, kNone);
            if (!in.command()) f.faceState = (in.value || in.pressedLook) ? FacePressed : FacePainterOwn;
            f.faceState = std::max<int16_t>(f.faceState, FaceDefaultOutline);
            SetLitRing(f.rings, 1, f.faceState == FacePressed ? face : kWhite, dark);
            SetLitRing(f.rings, 2, dark, kWhite);
        } else {
            SetLitRing(f.rings, 0, face, face);
            SetLitRing(f.rings, 1, face, face);
            SetLitRing(f.rings, 2, dark, dark);
        }
    });
    out.drawFocus = true;
    out.focusColour = 0xCC9999;
    out.focusSolid = true;
    out.focusCaption = true;
    return out;
}

}  // namespace buttons
