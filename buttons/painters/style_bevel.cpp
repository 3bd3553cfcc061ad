// bsBevel: a two-ring raised bevel, light and white top-left, grey and black
// bottom-right, with a black frame while the default outline is shown.
#include "buttons/painters/colour.h"
#include "buttons/painters/style_rules.h"

namespace buttons {

PainterFinish BevelFinish(const PainterInputs& in, int32_t face, int16_t faceState) {
    return StandardRingedFinish(in, face, faceState, [&](PainterFinish& out) {
        int32_t light = in.pressed() ? face : 0xE9E9E9;
        if (in.checkedLook()) {
            out.faceState = FacePainterOwn;
            light = 0xE9E9E9;
        }
        SetLitRing(out.rings, 0, kNone, kNone);
        switch (out.faceState) {
        case FaceNormal:
            SetLitRing(out.rings, 1, light, kGrey);
            break;
        case FaceDefaultOutline:
            SetLitRing(out.rings, 0, light, kGrey);
            SetLitRing(out.rings, 1, kWhite, kBlack);
            break;
        case FacePressed:
            SetLitRing(out.rings, 1, kNone, kGrey);
            break;
        default:
            SetLitRing(out.rings, 1, kNone, light);
            break;
        }
        if (in.checkedLook())
            SetLitRing(out.rings, 2, kBlack, kWhite);
        else
            SetLitRing(out.rings, 2, in.defaultOutline ? kBlack : kWhite, kBlack);
    });
}

}  // namespace buttons
