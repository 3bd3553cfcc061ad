#include "platform/screen.h"

#include "platform/handles.h"
#include "platform/late_bound.h"

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

int SystemDpi() {
    static const auto forSystem = LateBound<UINT WINAPI()>(L"user32.dll", "GetDpiForSystem");
    const int dpi = forSystem ? static_cast<int>(forSystem()) : 0;
    return dpi > 0 ? dpi : ScreenDpi(LOGPIXELSY);
}

int WindowDpi(HWND hwnd) {
    static const auto forWindow = LateBound<UINT WINAPI(HWND)>(L"user32.dll", "GetDpiForWindow");
    const int dpi = forWindow && hwnd ? static_cast<int>(forWindow(hwnd)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    static const auto adjust =
        LateBound<BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT)>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (adjust && adjust(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) return;
    ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

int TakeSuggestedPlace(HWND hwnd, WPARAM wp, LPARAM lp) {
    const RECT& r = *reinterpret_cast<const RECT*>(lp);
    ::SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return HIWORD(wp);
}

HFONT CreateMessageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    metrics.lfMessageFont.lfHeight = ::MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
    return ::CreateFontIndirectW(&metrics.lfMessageFont);
}

}  // namespace platform
