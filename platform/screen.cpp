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

int ScaledFrom96(int pixels) { return ::MulDiv(pixels, ScreenDpi(LOGPIXELSY), 96); }

HFONT CreateMessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    return ::CreateFontIndirectW(&metrics.lfMessageFont);
}

}  // namespace platform
