#include "forms/label.h"

#include "platform/high_contrast.h"

#include "forms/colors.h"
#include "forms/control_font.h"
#include "forms/form.h"
#include "forms/label_accessible.h"

namespace forms {

Label::Label(Form& form, const ControlDescription& d)
    : Control(form, d),
      caption_(d.caption),
      font_(CreateControlFont(d.font.value_or(FontObject{}), form.Dpi())),
      foreColor_(ToRgb(d.foreColor.value_or(static_cast<std::uint32_t>(kButtonText)))),
      transparent_(d.backStyle == 0),
      backColor_(ToRgb(d.backColor.value_or(form.BackColor()))),
      align_(d.alignment == 2 ? DT_CENTER : d.alignment == 1 ? DT_RIGHT : DT_LEFT),
      link_(d.link) {
    RegisterClassOnce(L"NorvelLabel", 0);
    CreateFor(L"NorvelLabel", caption_.c_str(), WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, 0, form.hwnd());
    Place(hwnd());
}

void Label::Relayout() {
    font_ = CreateControlFont(Description().font.value_or(FontObject{}), Parent().Dpi());
    Reposition();
    ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void Label::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    ::SetWindowTextW(hwnd(), caption_.c_str());
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd(), OBJID_CLIENT, CHILDID_SELF);
    // Transparent labels over this one show part of its text.
    const RECT r = PixelBounds();
    ::RedrawWindow(Parent().hwnd(), &r, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

LRESULT Label::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd(), &ps);
            Paint(dc);
            ::EndPaint(hwnd(), &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONUP:
            if (Click) Click();
            return 0;
        case WM_SETCURSOR:
            if (link_ && LOWORD(lp) == HTCLIENT && !Parent().ShowsScreenPointer()) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_GETDLGCODE:
            return DLGC_STATIC;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_.get());
        case WM_GETOBJECT:
            return AnswerGetObject(wp, lp, NewLabelAccessible(hwnd()));
    }
    return WindowBase::HandleMessage(msg, wp, lp);
}

void Label::Paint(HDC dc) {
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    if (transparent_ && !platform::HighContrastOn())
        Parent().PaintUnder(dc, *this);
    else
        FillBack(dc, client);
    DrawCaption(dc, client);
}

void Label::PaintUnder(HDC dc) const {
    if (!Visible()) return;
    const RECT r = PixelBounds();
    if (!transparent_ || platform::HighContrastOn()) FillBack(dc, r);
    DrawCaption(dc, r);
}

// In high contrast every label is opaque in the window colour, so that its text
// shows on a picture too.
void Label::FillBack(HDC dc, const RECT& r) const {
    if (platform::HighContrastOn()) {
        ::FillRect(dc, &r, ::GetSysColorBrush(COLOR_WINDOW));
        return;
    }
    platform::Brush back(::CreateSolidBrush(backColor_));
    ::FillRect(dc, &r, back.get());
}

void Label::DrawCaption(HDC dc, const RECT& r) const {
    platform::ScopedSelect font(dc, font_.get());
    ::SetBkMode(dc, TRANSPARENT);
    COLORREF colour = foreColor_;
    if (!::IsWindowEnabled(hwnd()))
        colour = ::GetSysColor(COLOR_GRAYTEXT);
    else if (platform::HighContrastOn())
        colour = ::GetSysColor(link_ ? COLOR_HOTLIGHT : COLOR_WINDOWTEXT);
    ::SetTextColor(dc, colour);
    RECT area = r;
    ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &area,
                align_ | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
}

}  // namespace forms
