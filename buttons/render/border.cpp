// Placeholder until the border rings land.
#include "buttons/qvbuttons_h.h"

namespace buttons {

void qvButtons_H::DrawButtonBorder(PainterPoints&, const BorderColors&, FaceState, std::int32_t) {}

}  // namespace buttons
