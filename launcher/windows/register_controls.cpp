#include "launcher/windows/register_controls.h"

#include "buttons/hosted_qvbuttons.h"

namespace launcher {

void RegisterControls() {
    // The "qvButtons_H" buttons of the form descriptions are the real control.
    buttons::RegisterHostedButtons();
}

}  // namespace launcher
