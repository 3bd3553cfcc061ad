#include "platform/screen.h"

#include "platform/handles.h"

namespace platform {

int ScreenDpi(int index) {
    WindowDC screen(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen.get(), index) : 0;
    return dpi > 0 ? dpi : 96;
}

SIZE ScreenSize() {
    static SIZE size{};
    static ULONGLONG readAt = 0;
    const ULONGLONG now = ::GetTickCount64();
    if (readAt == 0 || now - readAt >= 1000) {
        size = SIZE{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        readAt = now;
    }
    return size;
}

}  // namespace platform
