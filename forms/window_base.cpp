#include "forms/window_base.h"

#include "platform/log.h"

namespace forms {

WindowBase::~WindowBase() {
    if (hwnd_) {
        // Detach first so no message reaches a half-destroyed object.
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
}

WindowBase* WindowBase::FromHandle(HWND hwnd) noexcept {
    return hwnd ? reinterpret_cast<WindowBase*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA)) : nullptr;
}

void WindowBase::RegisterClassOnce(const wchar_t* className, UINT style, HBRUSH background, HICON icon) {
    WNDCLASSEXW wc{};
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (::GetClassInfoExW(instance, className, &wc)) return;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = &WindowBase::Proc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = className;
    ::RegisterClassExW(&wc);
}

HWND WindowBase::CreateFor(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int x, int y,
                           int w, int h, HWND parent, HMENU idOrMenu) {
    return ::CreateWindowExW(exStyle, className, text, style, x, y, w, h, parent, idOrMenu,
                             ::GetModuleHandleW(nullptr), this);
}

HWND WindowBase::CreateSystemChild(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int w,
                                   int h, int id, HFONT font) {
    const HWND child = ::CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, hwnd_,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                         ::GetModuleHandleW(nullptr), nullptr);
    if (child && font) ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

LRESULT WindowBase::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return ::DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK WindowBase::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    WindowBase* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = FromHandle(hwnd);
    }
    if (!self) return ::DefWindowProcW(hwnd, msg, wp, lp);

    LRESULT result = 0;
    try {
        result = self->HandleMessage(msg, wp, lp);
    } catch (...) {
        // No exception crosses the window procedure; the message counts as unhandled.
        platform::LogFailure(L"il messaggio " + std::to_wstring(msg) + L" di una finestra");
        result = ::DefWindowProcW(hwnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->OnDestroyed();
    }
    return result;
}

}  // namespace forms
