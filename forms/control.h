// What every control of a form has: a name, a child window whose text is its
// caption, a place in twips, visibility, enabled state and a tab index.
#pragma once

#include <windows.h>

#include <string>

#include "forms/form_description.h"
#include "platform/handles.h"

namespace forms {

class Form;

class Control {
public:
    Control(Form& form, const ControlDescription& description);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::wstring& Name() const noexcept { return name_; }
    int TabIndex() const noexcept { return tabIndex_; }
    Form& Parent() const noexcept { return form_; }
    virtual HWND Handle() const = 0;

    bool Visible() const noexcept { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);

    // Place and size in twips, relative to the form's client area.
    int Left() const noexcept { return left_; }
    int Top() const noexcept { return top_; }
    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }
    void SetWidth(int twips);
    // The same in pixels of the form's client area, at the form's DPI.
    RECT PixelBounds() const;
    // Lays the control out again at the form's DPI (after it changed): its place
    // from its twips and, for a control with text, its font made anew.
    virtual void Relayout();

    // A WM_COMMAND notification the control's window sent to the form.
    virtual void OnCommand(WORD /*notifyCode*/) {}
    // Windowless look drawn under transparent labels (shapes draw their fill).
    virtual void PaintUnder(HDC /*dc*/) const {}

protected:
    // Applies the description's place, visibility, enabled state after the window exists.
    void Place(HWND hwnd);
    // Moves and sizes the window to PixelBounds, keeping its place in the z-order.
    void Reposition();
    // Makes a child window of a system class (BUTTON, LISTBOX) for this control.
    HWND CreateChild(const wchar_t* className, DWORD style, DWORD exStyle = 0);
    const ControlDescription& Description() const noexcept { return description_; }

private:
    Form& form_;
    ControlDescription description_;
    std::wstring name_;
    int tabIndex_;
    int left_, top_, width_, height_;
    bool visible_;
};

// A control that is a window of a system class (BUTTON, LISTBOX), in a tab stop
// when it has a tab index, with the description's font.
class SystemControl : public Control {
public:
    HWND Handle() const override { return hwnd_; }
    void Relayout() override;

protected:
    SystemControl(Form& form, const ControlDescription& description, const wchar_t* className, DWORD style,
                  DWORD exStyle = 0);

private:
    void ApplyFont();

    HWND hwnd_;
    platform::Font font_;
};

}  // namespace forms
