// bsFramedBevel: a black one-pixel frame around a two-pixel white/grey bevel,
// swapped when pressed.
#include "buttons/painters/colour.h"
#include "buttons/painters/style_rules.h"

#include <algorithm>

namespace buttons {

PainterFinish FramedBevelFinish(const PainterInputs& in, int32_t face, int16_t faceState) {
    return StandardRingedFinish(in, face, faceState, [&](PainterFinish& out) {
        out.faceState = in.checkedLook() ? int16_t{FacePressed} : std::max<int16_t>(faceState, FaceDefaultOutline);
        const bool pressed = out.faceState == FacePressed;
        for (int ring = 0; ring <= 1; ++ring)
            SetLitRing(out.rings, ring, pressed ? kGrey : kWhite, pressed ? kWhite : kGrey);
        SetLitRing(out.rings, 2, kBlack, kBlack);
    });
}

}  // namespace buttons
