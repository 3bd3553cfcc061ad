// Hover tracking: the arrival is seen in the control's own mouse move; the
// departure by a 50 ms timer (modQvTimer) that checks the window under the pointer.
#include "buttons/qvbuttons_h.h"

#include "platform/log.h"

namespace buttons {
namespace {

bool PointerOnWindow(HWND hwnd) {
    POINT pt{};
    ::GetCursorPos(&pt);
    return ::WindowFromPoint(pt) == hwnd;
}

}  // namespace

void qvButtons_H::HoverStartTest(std::int16_t button) {
    if (!hWnd() || !PointerOnWindow(hWnd())) return;
    InputFlags |= PointerOver;
    bool on = true;
    if (MouseOnButton) MouseOnButton(on);
    ::SetPropW(hWnd(), L"qv_ClassID", reinterpret_cast<HANDLE>(this));
    ::SetPropW(hWnd(), L"qv_TimerID", reinterpret_cast<HANDLE>(HoverTimerId));
    ::SetTimer(hWnd(), HoverTimerId, HoverTimerInterval, &HoverTimerProc);
    Hovering = true;
    delayDrawing_ = false;
    if (button == 1) PressedLook = true;
    RedrawButton();
}

void qvButtons_H::CheckHoverEnd(UINT_PTR timerId) {
    if (PointerOnWindow(hWnd())) return;
    StopHoverTimer(timerId);
    InputFlags &= static_cast<std::uint8_t>(~PointerOver);
    Hovering = false;
    delayDrawing_ = false;
    bool on = false;
    if (MouseOnButton) MouseOnButton(on);
    PressedLook = false;
    RedrawButton();
}

// The timer goes, and so do the window properties that lead its callback here.
void qvButtons_H::StopHoverTimer(UINT_PTR timerId) {
    if (!hWnd()) return;
    ::KillTimer(hWnd(), timerId);
    ::RemovePropW(hWnd(), L"qv_ClassID");
    ::RemovePropW(hWnd(), L"qv_TimerID");
}

// modQvTimer
void CALLBACK HoverTimerProc(HWND hwnd, UINT, UINT_PTR, DWORD) {
    auto* control = static_cast<qvButtons_H*>(::GetPropW(hwnd, L"qv_ClassID"));
    const auto timerId = reinterpret_cast<UINT_PTR>(::GetPropW(hwnd, L"qv_TimerID"));
    if (!control) return;
    try {
        control->CheckHoverEnd(timerId);
    } catch (...) {
        // Nothing crosses the timer callback.
        platform::LogFailure(L"il controllo del passaggio del puntatore");
    }
}

}  // namespace buttons
