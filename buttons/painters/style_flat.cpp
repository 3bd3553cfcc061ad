// bsFlat: a one-pixel white/grey frame, swapped when pressed. The system's own
// buttons use it with a gradient face.
#include "buttons/painters/colour.h"
#include "buttons/painters/paint_steps.h"
#include "buttons/painters/style_rules.h"

#include <algorithm>

namespace buttons {

PainterFinish FlatFinish(const PainterInputs& in, int32_t face, int16_t faceState) {
    PainterFinish out;
    out.faceState = faceState;
    if (in.ringed()) {
        out.drawBorder = true;
        out.faceState = in.checkedLook() ? int16_t{2} : std::max<int16_t>(faceState, 1);
        SetRing(out.rings, 0, kNone, kNone, kNone, kNone);
        SetRing(out.rings, 1, kNone, kNone, kNone, kNone);
        if (out.faceState == 2)
            SetRing(out.rings, 2, kGrey, kGrey, kWhite, kWhite);
        else
            SetRing(out.rings, 2, kWhite, kWhite, kGrey, kGrey);
        out.outerPenStyle = 0;
    }
    DecideRegionOutline(in, out);
    StandardFocus(in, StandardFace(in).captionColorArg, face, out);
    return out;
}

void qvButtons_H::PaintFlat(PainterPoints& points, BorderColors& colors, FaceState& faceState, PaintResult& result) {
    const PainterInputs in = PainterInputsOf(*this);
    FaceChoice choice = StandardFace(in);
    if (!FillFaceAndCaption(*this, choice, faceState, result)) return;
    FinishPainting(*this, FlatFinish(in, choice.face, faceState), points, colors, faceState, result);
}

}  // namespace buttons
