// bsFlat: a one-pixel white/grey frame, swapped when pressed. The system's own
// buttons use it with a gradient face.
#include "buttons/painters/colour.h"
#include "buttons/painters/style_rules.h"

#include <algorithm>

namespace buttons {

PainterFinish FlatFinish(const PainterInputs& in, int32_t face, int16_t faceState) {
    return StandardRingedFinish(in, face, faceState, [&](PainterFinish& out) {
        out.faceState = in.checkedLook() ? int16_t{FacePressed} : std::max<int16_t>(faceState, FaceDefaultOutline);
        SetLitRing(out.rings, 0, kNone, kNone);
        SetLitRing(out.rings, 1, kNone, kNone);
        const bool pressed = out.faceState == FacePressed;
        SetLitRing(out.rings, 2, pressed ? kGrey : kWhite, pressed ? kWhite : kGrey);
    });
}

}  // namespace buttons
