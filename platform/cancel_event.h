// Giving work up from another thread, and waiting for work with a deadline and a
// cancel: what a worker does while the network has its request.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>

#include "platform/handles.h"

namespace platform {

// A request to give work up: set by one thread (a window that cancels, a program
// that ends), waited on or looked at by the thread doing the work. A manual-reset
// event, so every waiter sees it until it is reset.
class CancelEvent {
public:
    CancelEvent();
    CancelEvent(const CancelEvent&) = delete;
    CancelEvent& operator=(const CancelEvent&) = delete;

    void Set() noexcept;
    void Reset() noexcept;  // only while nothing waits on it
    bool IsSet() const noexcept { return set_.load(); }
    HANDLE Handle() const noexcept { return event_.get(); }

private:
    File event_;
    std::atomic<bool> set_{false};
};

// True when `cancel` is given and set.
inline bool IsCancelled(const CancelEvent* cancel) { return cancel && cancel->IsSet(); }

enum class WaitOutcome { Signalled, Cancelled, TimedOut };

// Waits until `event` is signalled, `cancel` (may be null) is set or `deadline`
// passes, without looking in between. When several hold at once, the event wins
// over the cancel. An auto-reset event is reset by the wait that sees it.
WaitOutcome WaitFor(HANDLE event, const CancelEvent* cancel, std::chrono::steady_clock::time_point deadline);

// A new unnamed event (manual-reset or auto-reset), not signalled.
File MakeEvent(bool manualReset);

}  // namespace platform
