// bsFlat: a one-pixel white/grey frame, swapped when pressed. The system's own
// buttons use it with a gradient face.
#include "buttons/painters/colour.h"
#include "buttons/painters/style_rules.h"

#include <algorithm>

namespace buttons {

PainterFinish FlatFinish(const PainterInputs& in, int32_t face, int16_t faceState) {
    PainterFinish out;
    out.faceState = faceState;
    if (in.ringed()) {
        out.drawBorder = true;
        out.faceState = in.checkedLook() ? int16_t{FacePressed} : std::max<int16_t>(faceState, FaceDefaultOutline);
        SetRing(out.rings, 0, kNone, kNone, kNone, kNone);
        SetRing(out.rings, 1, kNone, kNone, kNone, kNone);
        if (out.faceState == FacePressed)
            SetRing(out.rings, 2, kGrey, kGrey, kWhite, kWhite);
        else
            SetRing(out.rings, 2, kWhite, kWhite, kGrey, kGrey);
        out.outerPenStyle = 0;
    }
    DecideRegionOutline(in, out);
    StandardFocus(in, StandardFace(in).captionColorArg, face, out);
    return out;
}

}  // namespace buttons
