// bsSoftBevel: two rings of light grey (top-left) and grey (bottom-right),
// swapped when pressed.
#include "buttons/painters/colour.h"
#include "buttons/painters/style_rules.h"

namespace buttons {

PainterFinish SoftBevelFinish(const PainterInputs& in, int32_t face, int16_t faceState) {
    PainterFinish out;
    out.faceState = faceState;
    if (in.ringed()) {
        out.drawBorder = true;
        const int32_t light = ShiftColor(0xDFDFDF, 8);
        out.faceState = (in.checkedLook() || in.pressed()) ? FaceDefaultOutline : FaceNormal;
        SetRing(out.rings, 0, kNone, kNone, kNone, kNone);
        for (int ring = 1; ring <= 2; ++ring) {
            if (out.faceState == FaceNormal)
                SetRing(out.rings, ring, light, light, kGrey, kGrey);
            else
                SetRing(out.rings, ring, kGrey, kGrey, light, light);
        }
        out.outerPenStyle = 0;
    }
    DecideRegionOutline(in, out);
    StandardFocus(in, StandardFace(in).captionColorArg, face, out);
    return out;
}

}  // namespace buttons
