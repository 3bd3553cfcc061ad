#include "forms/control.h"

#include "forms/control_font.h"

#include "forms/form.h"
#include "forms/twips.h"

namespace forms {

Control::Control(Form& form, const ControlDescription& description)
    : form_(form),
      description_(description),
      name_(description.name),
      tabIndex_(description.tabIndex),
      left_(description.left),
      top_(description.top),
      width_(description.width),
      height_(description.height),
      visible_(description.visible) {}

RECT Control::PixelBounds() const {
    const int dpi = form_.Dpi();
    const int x = TwipsToPixels(left_, dpi), y = TwipsToPixels(top_, dpi);
    return RECT{x, y, x + TwipsToPixels(width_, dpi), y + TwipsToPixels(height_, dpi)};
}

void Control::Reposition() {
    const RECT r = PixelBounds();
    ::SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::Relayout() { Reposition(); }

void Control::Place(HWND hwnd) {
    const RECT r = PixelBounds();
    // Later controls lie over earlier ones.
    ::SetWindowPos(hwnd, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
    ::EnableWindow(hwnd, description_.enabled);
    if (visible_) ::ShowWindow(hwnd, SW_SHOWNA);
}

HWND Control::CreateChild(const wchar_t* className, DWORD style, DWORD exStyle) {
    return ::CreateWindowExW(exStyle, className, description_.caption.c_str(), WS_CHILD | WS_CLIPSIBLINGS | style, 0,
                             0, 0, 0, form_.hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

SystemControl::SystemControl(Form& form, const ControlDescription& d, const wchar_t* className, DWORD style,
                             DWORD exStyle)
    : Control(form, d), hwnd_(CreateChild(className, style | (d.tabIndex >= 0 ? WS_TABSTOP : 0), exStyle)) {
    ApplyFont();
    Place(hwnd_);
}

void SystemControl::ApplyFont() {
    // The new font is in use before the old one goes.
    platform::Font font = CreateControlFont(Description().font.value_or(FontObject{}), Parent().Dpi());
    ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    font_ = std::move(font);
}

// The font first: a list box of whole rows measures its rows with it when it is sized.
void SystemControl::Relayout() {
    ApplyFont();
    Reposition();
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    ::ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
    // Transparent labels over this control show what lies under them again.
    if (form_.hwnd()) {
        const RECT r = PixelBounds();
        ::RedrawWindow(form_.hwnd(), &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

bool Control::Enabled() const { return ::IsWindowEnabled(Handle()) != FALSE; }

void Control::SetEnabled(bool enabled) { ::EnableWindow(Handle(), enabled); }

void Control::SetWidth(int twips) {
    RECT before = PixelBounds();
    width_ = twips;
    const RECT after = PixelBounds();
    if (::EqualRect(&before, &after)) return;  // nothing on the screen changes
    ::SetWindowPos(Handle(), nullptr, 0, 0, after.right - after.left, after.bottom - after.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (form_.hwnd()) {
        RECT both{};
        ::UnionRect(&both, &before, &after);
        ::RedrawWindow(form_.hwnd(), &both, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

}  // namespace forms
