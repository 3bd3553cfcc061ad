// The base of every window the program creates (forms, their controls, the button
// control): stores `this` at WM_NCCREATE and routes messages to a member.
#pragma once

#include <windows.h>

namespace forms {

class WindowBase {
public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase();

    HWND hwnd() const noexcept { return hwnd_; }

    // The object behind a window made by this class, or nullptr.
    static WindowBase* FromHandle(HWND hwnd) noexcept;

protected:
    // Registers the class once per process (later calls are no-ops) with Proc as its
    // window procedure.
    static void RegisterClassOnce(const wchar_t* className, UINT style = CS_DBLCLKS, HBRUSH background = nullptr,
                                  HICON icon = nullptr);
    // CreateWindowExW with `this` as the creation parameter; returns the handle.
    HWND CreateFor(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int x, int y, int w,
                   int h, HWND parent, HMENU idOrMenu = nullptr);
    // A visible child of a system class ("STATIC", "BUTTON", a progress bar ...) with
    // command identifier `id`, drawn in `font` when one is given.
    HWND CreateSystemChild(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int w, int h,
                           int id = 0, HFONT font = nullptr);

    // Handles one message; the default passes it to DefWindowProcW.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    // Called after WM_NCDESTROY; the handle is already gone.
    virtual void OnDestroyed() {}

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};

}  // namespace forms
