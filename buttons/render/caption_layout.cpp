// Placeholder until the caption layout lands.
#include "buttons/qvbuttons_h.h"

namespace buttons {

void qvButtons_H::LayoutButtonContent(bool) {}

}  // namespace buttons
