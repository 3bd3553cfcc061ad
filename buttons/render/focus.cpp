// Placeholder until the focus indicator lands.
#include "buttons/qvbuttons_h.h"

namespace buttons {

void qvButtons_H::DrawFocusIndicator(std::int32_t, bool, bool, PainterPoints&) {}

}  // namespace buttons
