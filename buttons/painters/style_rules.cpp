#include "buttons/painters/style_rules.h"

#include "buttons/painters/colour.h"

namespace buttons {

void SetRing(std::array<int32_t, 13>& rings, int ring, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const int first = 1 + 4 * ring;
    rings[first] = left;
    rings[first + 1] = top;
    rings[first + 2] = right;
    rings[first + 3] = bottom;
}

void SetLitRing(std::array<int32_t, 13>& rings, int ring, int32_t topLeft, int32_t bottomRight) {
    SetRing(rings, ring, topLeft, topLeft, bottomRight, bottomRight);
}

PainterFinish RingedFinish(const PainterInputs& in, int16_t faceState, const std::function<void(PainterFinish&)>& rings) {
    PainterFinish out;
    out.faceState = faceState;
    if (in.ringed()) {
        out.drawBorder = true;
        out.outerPenStyle = 0;
        rings(out);
    }
    DecideRegionOutline(in, out);
    return out;
}

PainterFinish StandardRingedFinish(const PainterInputs& in, int32_t face, int16_t faceState,
                                   const std::function<void(PainterFinish&)>& rings) {
    PainterFinish out = RingedFinish(in, faceState, rings);
    StandardFocus(in, StandardFace(in).captionColorArg, face, out);
    return out;
}

FaceChoice StandardFace(const PainterInputs& in) {
    FaceChoice c;
    c.face = (!in.command() && in.value) ? in.checkedFaceColor : in.faceColor;
    c.second = in.gradientRgb;
    c.captionColorArg = (!in.enabled && !in.command()) ? kGrey : kNone;
    c.checked = in.value;
    c.singlePass = !in.command();
    return c;
}

void StandardFocus(const PainterInputs& in, int32_t captionColorArg, int32_t face, PainterFinish& out) {
    out.drawFocus = true;
    out.focusColour = captionColorArg;
    if (in.ringed()) {
        if (in.checkedLook())
            out.focusColour = kBlack;
        else if (in.shape >= ShapeSlantLeft)
            out.focusColour = ShiftColor(face, -48);
    }
    out.focusSolid = in.value;
    out.focusCaption = false;
}

void DecideRegionOutline(const PainterInputs& in, PainterFinish& out) {
    const bool custom = in.shape == ShapeCustom || in.shape == ShapeCustom3D;
    const bool flatOvalLit = in.shape == ShapeOvalFlat && (in.hovering || in.pressed());
    if (custom || flatOvalLit) {
        out.outline = PainterFinish::Outline::Colour;
        out.outlineColour = kBlack;
    } else {
        out.outline = PainterFinish::Outline::Plain;
    }
}

FaceChoice ChooseFace(const PainterInputs& in) {
    switch (in.style) {
    case bsShadedRounded: return ShadedRoundedFace(in);
    case bsEtched: return EtchedFace(in);
    case bsRoundedFrame: return RoundedFrameFace(in);
    default: return StandardFace(in);
    }
}

PainterFinish ChooseFinish(const PainterInputs& in, int32_t face, int16_t faceState) {
    switch (in.style) {
    case bsBevel: return BevelFinish(in, face, faceState);
    case bsFramedBevel: return FramedBevelFinish(in, face, faceState);
    case bsShadedRounded: return ShadedRoundedFinish(in, face, faceState);
    case bsEtched: return EtchedFinish(in, face, faceState);
    case bsFlat: return FlatFinish(in, face, faceState);
    case bsHoverFrame: return HoverFrameFinish(in, face, faceState);
    case bsSoftBevel: return SoftBevelFinish(in, face, faceState);
    case bsRoundedFrame: return RoundedFrameFinish(in, face, faceState);
    default: return PainterFinish{};
    }
}

}  // namespace buttons
