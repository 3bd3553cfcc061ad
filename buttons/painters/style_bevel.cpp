// Placeholder painter: fills the face only, until the style's painter lands.
#include "buttons/qvbuttons_h.h"

namespace buttons {

void qvButtons_H::PaintBevel(PainterPoints&, BorderColors&, FaceState& faceState, PaintResult& result) {
    std::int32_t face = (Mode() != ModeCommand && Value()) ? CheckedFaceColor : FaceColor;
    std::int32_t second = ResolveColor(GradientColor());
    FillButtonFace(face, faceState, result, second, HoverFaceColor);
}

}  // namespace buttons
