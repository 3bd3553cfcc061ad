// bsHoverFrame: no frame at run time until the pointer is over the button or it
// is checked; a dotted frame at design time.
#include "buttons/painters/colour.h"
#include "buttons/painters/style_rules.h"

#include <algorithm>

namespace buttons {

PainterFinish HoverFrameFinish(const PainterInputs& in, int32_t /*face*/, int16_t faceState) {
    PainterFinish out;
    out.faceState = faceState;
    const bool designTime = !in.userMode;
    if (in.ringed()) {
        out.drawBorder = true;
        SetRing(out.rings, 0, kNone, kNone, kNone, kNone);
        SetRing(out.rings, 1, kNone, kNone, kNone, kNone);
        if (in.pointerOver || in.value) {
            out.faceState = in.checkedLook() ? int16_t{FacePressed} : std::max<int16_t>(faceState, FaceDefaultOutline);
            if (out.faceState == FacePressed)
                SetRing(out.rings, 2, kGrey, kGrey, kWhite, kWhite);
            else
                SetRing(out.rings, 2, kWhite, kWhite, kGrey, kGrey);
        } else if (designTime) {
            int32_t frame = ShiftColor(in.containerBackRgb, -64);
            if (frame == kBlack) frame = kWhite;
            SetRing(out.rings, 2, frame, frame, frame, frame);
        } else {
            SetRing(out.rings, 2, kNone, kNone, kNone, kNone);
        }
        out.outerPenStyle = designTime ? 2 : 0;
    } else if (designTime && in.shape >= ShapeOval && in.shape <= ShapeOvalFlat) {
        out.designEllipse = true;
        out.designEllipseColour = ShiftColor(in.containerBackRgb, -32);
    }
    DecideRegionOutline(in, out);
    out.drawFocus = true;
    out.focusColour = kBlack;
    if (in.shape > ShapeRectangle && !(!in.command() && in.value))
        out.focusColour = ShiftColor(in.containerBackRgb, -32);
    out.focusSolid = in.value;
    out.focusCaption = false;
    return out;
}

}  // namespace buttons
