// Placeholder until the caption drawing lands.
#include "buttons/qvbuttons_h.h"

namespace buttons {

void qvButtons_H::DrawButtonCaption(std::int32_t, std::int32_t, bool, bool) {}

}  // namespace buttons
