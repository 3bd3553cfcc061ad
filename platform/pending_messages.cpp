#include "platform/pending_messages.h"

#include <windows.h>

namespace platform {

void ProcessPendingMessages() {
    MSG msg;
    // PM_NOYIELD: an empty queue must not give the processor away on every call.
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit request for the message loop that owns it.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}  // namespace platform
