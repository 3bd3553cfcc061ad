// What both start-up baselines do to show their window: register a class, create
// and show one window, run the message loop until it is closed.
#pragma once

#include <windows.h>

namespace startup_bench {

inline LRESULT CALLBACK WindowProgramProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

// With a `button` caption, the window gets one push button with it.
inline int RunWindowProgram(HINSTANCE instance, const wchar_t* className, const wchar_t* caption, int show,
                            const wchar_t* button = nullptr) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProgramProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className;
    ::RegisterClassW(&wc);
    HWND hwnd = ::CreateWindowExW(0, className, caption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 415, 392, nullptr, nullptr, instance, nullptr);
    if (button)
        ::CreateWindowExW(0, L"BUTTON", button, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 304, 248, 89, 41,
                          hwnd, nullptr, instance, nullptr);
    ::ShowWindow(hwnd, show);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace startup_bench
