// A real top-level window for tests and benchmarks to place controls in.
#pragma once

#include <windows.h>

#include "forms/window_base.h"

namespace testsupport {

class HostWindow : public forms::WindowBase {
public:
    // Shown without activation unless `shown` is false.
    explicit HostWindow(int width = 400, int height = 300, bool shown = true) {
        RegisterClassOnce(L"ButtonTestHost", CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        CreateFor(L"ButtonTestHost", L"Button test host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 0, width,
                  height, nullptr);
        if (!shown) return;
        ::ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
        ::UpdateWindow(hwnd());
    }
    // Delivers the messages waiting for this thread.
    static void Pump() {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
};

// One host window for the whole test program: creating and destroying top-level
// windows under Wine without a window manager costs about a second each.
inline HostWindow& SharedHost() {
    static HostWindow* host = new HostWindow();
    return *host;
}

}  // namespace testsupport
