#include "forms/command_button.h"

#include "forms/control_font.h"
#include "forms/window_text.h"

namespace forms {

CommandButton::CommandButton(Form& form, const ControlDescription& d)
    : Control(form, d),
      hwnd_(CreateChild(L"BUTTON", BS_PUSHBUTTON | (d.tabIndex >= 0 ? WS_TABSTOP : 0))),
      font_(CreateControlFont(d.font.value_or(FontObject{}))) {
    ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    Place(hwnd_);
}

std::wstring CommandButton::Caption() const { return WindowText(hwnd_); }

void CommandButton::SetCaption(const std::wstring& caption) { ::SetWindowTextW(hwnd_, caption.c_str()); }

void CommandButton::OnCommand(WORD notifyCode) {
    if (notifyCode == BN_CLICKED && Click) Click();
}

}  // namespace forms
