#include "platform/screen.h"

#include "platform/handles.h"

namespace platform {

int ScreenDpi(int index) {
    WindowDC screen(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen.get(), index) : 0;
    return dpi > 0 ? dpi : 96;
}

}  // namespace platform
