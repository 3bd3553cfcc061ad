#include "forms/message_loop.h"

#include "forms/form.h"

namespace forms {

bool PreTranslateFormMessage(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
    Form* form = Form::FromAnyWindow(msg.hwnd);
    if (!form) return false;
    form->FocusNextControl(::GetKeyState(VK_SHIFT) < 0);
    return true;
}

bool RunMessageLoop(const std::function<bool()>& keepGoing) {
    MSG msg{};
    while (keepGoing()) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (PreTranslateFormMessage(msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return true;
}

}  // namespace forms
