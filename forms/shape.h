// A filled rectangle (progress track and fill). Its window text is empty.
#pragma once

#include "forms/control.h"
#include "forms/window_base.h"

namespace forms {

class Shape : public Control, public WindowBase {
public:
    Shape(Form& form, const ControlDescription& description);

    HWND Handle() const override { return hwnd(); }
    COLORREF FillColor() const noexcept { return fill_; }
    void PaintUnder(HDC dc) const override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void PaintAt(HDC dc, const RECT& r) const;
    COLORREF fill_;
    bool hasBorder_;
    COLORREF border_;
};

}  // namespace forms
