// A thread that works for a window: it gets the worker's cancel event, reports
// back through the window's events (window_events.h), and never outlives its
// owner: the destructor cancels it and waits for it. Neither copied nor moved.
#pragma once

#include <functional>
#include <thread>

#include "platform/cancel_event.h"

namespace platform {

class Worker {
public:
    ~Worker() { Stop(); }

    // Runs `job` on a new thread, after a job still running was stopped. An
    // exception the job lets out is logged; the job reports its own outcome.
    void Start(std::function<void(const CancelEvent& cancel)> job);
    // Sets the cancel event; the job gives up within a few milliseconds.
    void Cancel() noexcept { cancel_.Set(); }
    // Waits for the job to end (at once when none runs).
    void Join();
    // Cancel, then Join.
    void Stop() {
        if (!thread_.joinable()) return;
        Cancel();
        Join();
    }

private:
    CancelEvent cancel_;
    std::thread thread_;
};

}  // namespace platform
