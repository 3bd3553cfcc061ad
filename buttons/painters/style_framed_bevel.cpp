// bsFramedBevel: a black one-pixel frame around a two-pixel white/grey bevel,
// swapped when pressed.
#include "buttons/painters/colour.h"
#include "buttons/painters/style_rules.h"

#include <algorithm>

namespace buttons {

PainterFinish FramedBevelFinish(const PainterInputs& in, int32_t face, int16_t faceState) {
    PainterFinish out;
    out.faceState = faceState;
    if (in.ringed()) {
        out.drawBorder = true;
        out.faceState = in.checkedLook() ? int16_t{FacePressed} : std::max<int16_t>(faceState, FaceDefaultOutline);
        if (out.faceState == FacePressed) {
            SetRing(out.rings, 0, kGrey, kGrey, kWhite, kWhite);
            SetRing(out.rings, 1, kGrey, kGrey, kWhite, kWhite);
        } else {
            SetRing(out.rings, 0, kWhite, kWhite, kGrey, kGrey);
            SetRing(out.rings, 1, kWhite, kWhite, kGrey, kGrey);
        }
        SetRing(out.rings, 2, kBlack, kBlack, kBlack, kBlack);
        out.outerPenStyle = 0;
    }
    DecideRegionOutline(in, out);
    StandardFocus(in, StandardFace(in).captionColorArg, face, out);
    return out;
}

}  // namespace buttons
