// bsSoftBevel: two rings of light grey (top-left) and grey (bottom-right),
// swapped when pressed.
#include "buttons/painters/colour.h"
#include "buttons/painters/style_rules.h"

namespace buttons {

PainterFinish SoftBevelFinish(const PainterInputs& in, int32_t face, int16_t faceState) {
    return StandardRingedFinish(in, face, faceState, [&](PainterFinish& out) {
        const int32_t light = ShiftColor(0xDFDFDF, 8);
        out.faceState = (in.checkedLook() || in.pressed()) ? FaceDefaultOutline : FaceNormal;
        SetLitRing(out.rings, 0, kNone, kNone);
        const bool normal = out.faceState == FaceNormal;
        for (int ring = 1; ring <= 2; ++ring)
            SetLitRing(out.rings, ring, normal ? light : kGrey, normal ? kGrey : light);
    });
}

}  // namespace buttons
