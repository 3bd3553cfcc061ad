#include "forms/command_button.h"

#include "forms/window_text.h"

namespace forms {

CommandButton::CommandButton(Form& form, const ControlDescription& d)
    : SystemControl(form, d, L"BUTTON", BS_PUSHBUTTON) {}

std::wstring CommandButton::Caption() const { return WindowText(Handle()); }

void CommandButton::SetCaption(const std::wstring& caption) { ::SetWindowTextW(Handle(), caption.c_str()); }

void CommandButton::OnCommand(WORD notifyCode) {
    if (notifyCode == BN_CLICKED && Click) Click();
}

}  // namespace forms
