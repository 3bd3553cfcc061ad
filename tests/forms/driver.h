// Real input for the host tests (SendInput keys and absolute pointer moves, pumped
// through the forms' own key handling) and a client that reads a window's
// IAccessible as a screen reader does.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "forms/keyboard_navigation.h"
#include "platform/handles.h"

namespace hosttest {

inline void PumpFor(int ms) {
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(ms);
    for (MSG msg; ::GetTickCount64() < end; ::Sleep(2))
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!forms::PreTranslateFormMessage(msg)) ::TranslateMessage(&msg), ::DispatchMessageW(&msg);
}

// Presses the keys in order, releases them in reverse order.
inline void Keys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> in;
    for (int up = 0; up < 2; ++up)
        for (size_t i = 0; i < keys.size(); ++i) {
            const WORD vk = keys.begin()[up ? keys.size() - 1 - i : i];
            in.push_back(INPUT{INPUT_KEYBOARD, {}});
            in.back().ki = KEYBDINPUT{vk, static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)),
                                      up ? static_cast<DWORD>(KEYEVENTF_KEYUP) : 0, 0, 0};
        }
    ::SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
    PumpFor(60);
}

// flags 0: an absolute move to `at` (the window sees WM_MOUSEMOVE); else a button flag.
inline void Mouse(POINT at, DWORD flags = 0) {
    INPUT in{INPUT_MOUSE, {}};
    in.mi.dx = ::MulDiv(at.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = ::MulDiv(at.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = flags ? flags : MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof in);
    PumpFor(30);
}
inline POINT Corner() { return {::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1}; }
inline POINT CentreOf(HWND hwnd) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A window's client pixels as the screen shows them (read through its top-level window).
inline std::vector<COLORREF> PixelsOf(HWND hwnd) {
    RECT r{};
    ::GetClientRect(hwnd, &r);
    POINT at{0, 0};
    ::MapWindowPoints(hwnd, ::GetAncestor(hwnd, GA_ROOT), &at, 1);
    platform::WindowDC dc(::GetAncestor(hwnd, GA_ROOT));
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    platform::Bitmap dib(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    platform::MemoryDC memory(::CreateCompatibleDC(dc.get()));
    platform::ScopedSelect select(memory.get(), dib.get());
    ::BitBlt(memory.get(), 0, 0, r.right, r.bottom, dc.get(), at.x, at.y, SRCCOPY);
    return {static_cast<COLORREF*>(bits), static_cast<COLORREF*>(bits) + r.right * r.bottom};
}

struct Read {
    long role = 0, state = 0;
    std::wstring name, action, shortcut;
    HRESULT acted = E_FAIL;  // accDoDefaultAction, when asked for
};

// Reads the window's client object; with `act`, runs its default action afterwards.
inline Read ReadWindow(HWND hwnd, bool act = false) {
    Read r;
    IAccessible* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                            reinterpret_cast<void**>(&object))))
        return r;
    VARIANT self{}, v{};
    self.vt = VT_I4;
    if (SUCCEEDED(object->get_accRole(self, &v))) r.role = v.lVal;
    if (SUCCEEDED(object->get_accState(self, &v))) r.state = v.lVal;
    for (auto [get, text] : {std::pair{&IAccessible::get_accName, &r.name},
                             {&IAccessible::get_accDefaultAction, &r.action},
                             {&IAccessible::get_accKeyboardShortcut, &r.shortcut}}) {
        BSTR b = nullptr;
        if ((object->*get)(self, &b) == S_OK) text->assign(b, ::SysStringLen(b));
        ::SysFreeString(b);
    }
    if (act) r.acted = object->accDoDefaultAction(self);
    object->Release();
    return r;
}

}  // namespace hosttest
