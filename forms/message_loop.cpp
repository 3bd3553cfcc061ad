#include "forms/message_loop.h"

#include "forms/keyboard_navigation.h"

namespace forms {

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
