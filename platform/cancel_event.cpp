#include "platform/cancel_event.h"

namespace platform {

File MakeEvent(bool manualReset) { return File(::CreateEventW(nullptr, manualReset, FALSE, nullptr)); }

CancelEvent::CancelEvent() : event_(MakeEvent(true)) {}

void CancelEvent::Set() noexcept {
    set_ = true;
    ::SetEvent(event_.get());
}

void CancelEvent::Reset() noexcept {
    set_ = false;
    ::ResetEvent(event_.get());
}

WaitOutcome WaitFor(HANDLE event, const CancelEvent* cancel, std::chrono::steady_clock::time_point deadline) {
    const HANDLE handles[2] = {event, cancel ? cancel->Handle() : nullptr};
    const DWORD count = handles[1] ? 2 : 1;
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        const DWORD ms = left.count() > 0 ? static_cast<DWORD>(left.count()) : 0;
        const DWORD woken = ::WaitForMultipleObjects(count, handles, FALSE, ms);
        if (woken == WAIT_OBJECT_0) return WaitOutcome::Signalled;
        if (woken == WAIT_OBJECT_0 + 1) return WaitOutcome::Cancelled;
        if (woken == WAIT_FAILED) return IsCancelled(cancel) ? WaitOutcome::Cancelled : WaitOutcome::TimedOut;
        // The system's timer may end a wait a little early: only the deadline ends it.
        if (std::chrono::steady_clock::now() >= deadline) return WaitOutcome::TimedOut;
    }
}

}  // namespace platform
