// The one way back from a worker thread to a window's thread. A worker posts an
// event (a function to run on the window thread); the window runs the waiting
// events, in the order they were posted, when it gets the registered message
// WindowEvents::Message(). A batch costs one posted message, however many events
// it holds.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>

namespace platform {

class WindowEvents {
public:
    using Event = std::function<void()>;

    WindowEvents() = default;
    WindowEvents(const WindowEvents&) = delete;
    WindowEvents& operator=(const WindowEvents&) = delete;

    // The message every queue wakes its window with (registered once per session).
    static UINT Message();

    // The window that runs the events (window thread). Events posted before it was
    // attached wait for it and wake it now; null detaches and drops every event.
    void Attach(HWND window);

    // Any thread. `owner` names who posted (an object of the window's), so that it
    // can drop its events with Forget.
    void Post(const void* owner, Event event);

    // Window thread, from the window's procedure: when `msg` is Message(), runs the
    // waiting events one by one in order (an event may post more, or forget some)
    // and returns true.
    bool Handle(UINT msg);

    // Drops the events of `owner` not yet run (window thread): a cancelled job's.
    void Forget(const void* owner);

private:
    struct Posted {
        const void* owner;
        Event event;
    };
    std::mutex mutex_;
    HWND window_ = nullptr;         // guarded by mutex_
    std::deque<Posted> waiting_;    // guarded by mutex_
    bool wakePosted_ = false;       // guarded by mutex_: a message is on its way
};

}  // namespace platform
