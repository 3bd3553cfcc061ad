#include "forms/check_box.h"

namespace forms {

CheckBox::CheckBox(Form& form, const ControlDescription& d) : SystemControl(form, d, L"BUTTON", BS_AUTOCHECKBOX) {
    SetValue(d.value);
}

int CheckBox::Value() const { return ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

void CheckBox::SetValue(int value) {
    ::SendMessageW(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::OnCommand(WORD notifyCode) {
    if (notifyCode == BN_CLICKED && Click) Click();
}

}  // namespace forms
