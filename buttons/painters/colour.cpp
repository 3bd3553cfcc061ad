// Placeholder until the colour arithmetic lands.
#include "buttons/qvbuttons_h.h"

namespace buttons {

std::int32_t qvButtons_H::ShiftColor(std::int32_t color, std::int16_t, bool) { return color; }

}  // namespace buttons
