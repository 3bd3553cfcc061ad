#include "forms/keyboard_navigation.h"

#include <cwctype>

#include "forms/form.h"
#include "forms/user_control.h"

namespace forms {

UserControl* UserControlOf(HWND hwnd) { return dynamic_cast<UserControl*>(WindowBase::FromHandle(hwnd)); }

bool IsPushButtonWindow(HWND hwnd) {
    if (!hwnd) return false;
    if (UserControlOf(hwnd)) return true;
    wchar_t className[16]{};
    ::GetClassNameW(hwnd, className, 16);
    if (::lstrcmpiW(className, L"Button") != 0) return false;
    const LONG type = ::GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

bool PreTranslateFormMessage(const MSG& msg) {
    Form* form = Form::FromAnyWindow(msg.hwnd);
    if (!form) return false;
    const auto ch = static_cast<wchar_t>(msg.wParam);
    switch (msg.message) {
    case WM_KEYDOWN:
        if (msg.wParam == VK_TAB) {
            form->FocusNextControl(::GetKeyState(VK_SHIFT) < 0);
            return true;
        }
        if (msg.wParam == VK_RETURN) return form->PressDefaultButton();
        if (msg.wParam == VK_ESCAPE) return form->PressEscape();
        return false;
    case WM_SYSCHAR:  // Alt+letter
        return form->PressAccessKey(ch);
    case WM_CHAR:     // the letter alone, while a button has the focus
        return ::GetKeyState(VK_CONTROL) >= 0 && IsPushButtonWindow(::GetFocus()) && form->PressAccessKey(ch);
    default:
        return false;
    }
}

// ---- The form's side ----

UserControl* Form::VisibleUserControl(const Control& c) const {
    UserControl* uc = UserControlOf(c.Handle());
    return uc && c.Visible() && c.Enabled() ? uc : nullptr;
}

void Form::FocusMoved(HWND focus) {
    const bool onButton = focus && ::IsChild(hwnd(), focus) && IsPushButtonWindow(focus);
    for (const auto& c : controls_) {
        UserControl* uc = UserControlOf(c->Handle());
        if (!uc) continue;
        const bool shown = DisplaysAsDefault(uc->hWnd() == focus, onButton, c->Name() == description_.defaultButton);
        if (uc->Ambient().DisplayAsDefault != shown) uc->SetAmbientDisplayAsDefault(shown);
    }
}

bool Form::MoveFocusForArrow(WPARAM key) {
    if (key != VK_RIGHT && key != VK_DOWN && key != VK_LEFT && key != VK_UP) return false;
    FocusNextControl(key == VK_LEFT || key == VK_UP);
    return true;
}

bool Form::PressDefaultButton() {
    // A system push button with the focus is pressed by Enter, as in a dialog.
    const HWND focus = ::GetFocus();
    if (focus && ::IsChild(hwnd(), focus) && !UserControlOf(focus) && IsPushButtonWindow(focus)) {
        ::SendMessageW(focus, BM_CLICK, 0, 0);
        return true;
    }
    for (const auto& c : controls_) {
        UserControl* uc = VisibleUserControl(*c);
        if (uc && uc->Ambient().DisplayAsDefault) {
            uc->SendAccessKey(13);
            return true;
        }
    }
    return false;
}

bool Form::PressCancelButton() {
    Control* cancel = description_.cancelButton.empty() ? nullptr : FindControl(description_.cancelButton);
    if (!cancel || !cancel->Visible() || !cancel->Enabled()) return false;
    if (UserControl* uc = UserControlOf(cancel->Handle()))
        uc->SendAccessKey(27);
    else
        ::SendMessageW(cancel->Handle(), BM_CLICK, 0, 0);
    return true;
}

bool Form::PressEscape() { return OnEscape() || PressCancelButton(); }

bool Form::PressAccessKey(wchar_t key) {
    if (!std::iswalnum(key)) return false;
    for (const auto& c : controls_) {
        UserControl* uc = VisibleUserControl(*c);
        if (!uc || uc->AccessKeys().size() != 1 || std::towupper(uc->AccessKeys()[0]) != std::towupper(key)) continue;
        ::SetFocus(uc->hWnd());
        uc->SendAccessKey(static_cast<std::int16_t>(key));
        return true;
    }
    return false;
}

}  // namespace forms
