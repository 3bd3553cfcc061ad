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
    PainterFinish out;
    out.faceState = faceState;
    if (in.ringed()) {
        out.drawBorder = true;
        const int32_t dark = ShiftColor(kGrey, -26);
        if (in.enabled || !in.command()) {
            SetRing(out.rings, 0, kNone, kNone, kNone, kNone);
            if (!in.command()) out.faceState = (in.value || in.pressedLook) ? FacePressed : FacePainterOwn;
            out.faceState = std::max<int16_t>(out.faceState, FaceDefaultOutline);
            const int32_t lit = out.faceState == FacePressed ? face : kWhite;
            SetRing(out.rings, 1, lit, lit, dark, dark);
            SetRing(out.rings, 2, dark, dark, kWhite, kWhite);
        } else {
            SetRing(out.rings, 0, face, face, face, face);
            SetRing(out.rings, 1, face, face, face, face);
            SetRing(out.rings, 2, dark, dark, dark, dark);
        }
        out.outerPenStyle = 0;
    }
    DecideRegionOutline(in, out);
    out.drawFocus = true;
    out.focusColour = 0xCC9999;
    out.focusSolid = true;
    out.focusCaption = true;
    return out;
}

}  // namespace buttons
