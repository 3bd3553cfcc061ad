#include "launcher/register_controls.h"

namespace launcher {

void RegisterControls() {
    // Nothing registered yet: the forms show "qvButtons_H" buttons as push buttons.
}

}  // namespace launcher
