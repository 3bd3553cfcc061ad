#include "forms/shape.h"

#include "forms/colors.h"
#include "forms/form.h"
#include "platform/handles.h"

namespace forms {

Shape::Shape(Form& form, const ControlDescription& d)
    : Control(form, d),
      fill_(ToRgb(d.fillColor.value_or(0))),
      hasBorder_(d.borderColor.has_value()),
      border_(ToRgb(d.borderColor.value_or(0))) {
    RegisterClassOnce(L"NorvelShape", 0);
    CreateFor(L"NorvelShape", L"", WS_CHILD | WS_CLIPSIBLINGS | WS_DISABLED, 0, 0, 0, 0, 0, form.hwnd());
    Place(hwnd());
    ::EnableWindow(hwnd(), FALSE);  // clicks fall through to the form
}

void Shape::PaintAt(HDC dc, const RECT& r) const {
    platform::Brush fill(::CreateSolidBrush(fill_));
    ::FillRect(dc, &r, fill.get());
    if (hasBorder_) {
        platform::Brush border(::CreateSolidBrush(border_));
        ::FrameRect(dc, &r, border.get());
    }
}

void Shape::PaintUnder(HDC dc) const {
    if (Visible()) PaintAt(dc, PixelBounds());
}

LRESULT Shape::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd(), &ps);
            RECT client{};
            ::GetClientRect(hwnd(), &client);
            PaintAt(dc, client);
            ::EndPaint(hwnd(), &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
    }
    return WindowBase::HandleMessage(msg, wp, lp);
}

}  // namespace forms
