// bsBevel: a two-ring raised bevel, light and white top-left, grey and black
// bottom-right, with a black frame while the default outline is shown.
#include "buttons/painters/colour.h"
#include "buttons/painters/style_rules.h"

namespace buttons {

PainterFinish BevelFinish(const PainterInputs& in, int32_t face, int16_t faceState) {
    PainterFinish out;
    out.faceState = faceState;
    if (in.ringed()) {
        out.drawBorder = true;
        int32_t light = in.pressed() ? face : 0xE9E9E9;
        if (in.checkedLook()) {
            out.faceState = FacePainterOwn;
            light = 0xE9E9E9;
        }
        switch (out.faceState) {
        case FaceNormal:
            SetRing(out.rings, 0, kNone, kNone, kNone, kNone);
            SetRing(out.rings, 1, light, light, kGrey, kGrey);
            break;
        case FaceDefaultOutline:
            SetRing(out.rings, 0, light, light, kGrey, kGrey);
            SetRing(out.rings, 1, kWhite, kWhite, kBlack, kBlack);
            break;
        case FacePressed:
            SetRing(out.rings, 0, kNone, kNone, kNone, kNone);
            SetRing(out.rings, 1, kNone, kNone, kGrey, kGrey);
            break;
        default:
            SetRing(out.rings, 0, kNone, kNone, kNone, kNone);
            SetRing(out.rings, 1, kNone, kNone, light, light);
            break;
        }
        if (in.checkedLook()) {
            SetRing(out.rings, 2, kBlack, kBlack, kWhite, kWhite);
        } else {
            const int32_t topLeft = in.defaultOutline ? kBlack : kWhite;
            SetRing(out.rings, 2, topLeft, topLeft, kBlack, kBlack);
        }
        out.outerPenStyle = 0;
    }
    DecideRegionOutline(in, out);
    StandardFocus(in, StandardFace(in).captionColorArg, face, out);
    return out;
}

}  // namespace buttons
