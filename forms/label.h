// A label: text in a font and colour, opaque or transparent over what lies under
// it on the form (background colour or picture, shapes), left/right/centred and
// word-wrapped, with a click. The window text is the caption.
#pragma once

#include <functional>
#include <string>

#include "forms/control.h"
#include "forms/window_base.h"
#include "platform/handles.h"

namespace forms {

class Label : public Control, public WindowBase {
public:
    Label(Form& form, const ControlDescription& description);

    HWND Handle() const override { return hwnd(); }
    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);

    std::function<void()> Click;
    // Shown as a link (hand pointer); read as a link whose default action is Click.
    bool IsLink() const noexcept { return link_; }
    // Labels beneath a transparent label show through it.
    void PaintUnder(HDC dc) const override;
    void Relayout() override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint(HDC dc);
    void FillBack(HDC dc, const RECT& r) const;
    void DrawCaption(HDC dc, const RECT& r) const;

    std::wstring caption_;
    platform::Font font_;
    COLORREF foreColor_;
    bool transparent_;
    COLORREF backColor_;
    UINT align_;
    bool link_;
};

}  // namespace forms
