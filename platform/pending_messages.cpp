#include "platform/pending_messages.h"

#include <windows.h>

#include <atomic>

namespace platform {
namespace {
std::atomic<MessageFilter> g_filter{nullptr};
}  // namespace

void SetMessageFilter(MessageFilter filter) { g_filter = filter; }

void ProcessPendingMessages(bool paint) {
    // PM_NOYIELD: an empty queue must not give the processor away on every call.
    const UINT kinds = paint ? 0 : PM_QS_INPUT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD | kinds)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit request for the message loop that owns it.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (const MessageFilter filter = g_filter; filter && filter(msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}  // namespace platform
