#include "forms/check_box.h"

#include "forms/control_font.h"

namespace forms {

CheckBox::CheckBox(Form& form, const ControlDescription& d)
    : Control(form, d),
      hwnd_(CreateChild(L"BUTTON", BS_AUTOCHECKBOX | (d.tabIndex >= 0 ? WS_TABSTOP : 0))),
      font_(CreateControlFont(d.font.value_or(FontObject{}))) {
    ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SetValue(d.value);
    Place(hwnd_);
}

int CheckBox::Value() const { return ::SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

void CheckBox::SetValue(int value) {
    ::SendMessageW(hwnd_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::OnCommand(WORD notifyCode) {
    if (notifyCode == BN_CLICKED && Click) Click();
}

}  // namespace forms
