// bsHoverFrame: no frame at run time until the pointer is over the button or it
// is checked; a dotted frame at design time.
#include "buttons/painters/colour.h"
#include "buttons/painters/paint_steps.h"
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
            out.faceState = in.checkedLook() ? int16_t{2} : std::max<int16_t>(faceState, 1);
            if (out.faceState == 2)
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
    } else if (designTime && in.shape >= 4 && in.shape <= 6) {
        out.designEllipse = true;
        out.designEllipseColour = ShiftColor(in.containerBackRgb, -32);
    }
    DecideRegionOutline(in, out);
    out.drawFocus = true;
    out.focusColour = kBlack;
    if (in.shape > 0 && !(!in.command() && in.value)) out.focusColour = ShiftColor(in.containerBackRgb, -32);
    out.focusSolid = in.value;
    out.focusCaption = false;
    return out;
}

void qvButtons_H::PaintHoverFrame(PainterPoints& points, BorderColors& colors, FaceState& faceState, PaintResult& result) {
    const PainterInputs in = PainterInputsOf(*this);
    FaceChoice choice = StandardFace(in);
    if (!FillFaceAndCaption(*this, choice, faceState, result)) return;
    FinishPainting(*this, HoverFrameFinish(in, choice.face, faceState), points, colors, faceState, result);
}

}  // namespace buttons
