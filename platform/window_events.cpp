#include "platform/window_events.h"

#include "platform/log.h"

namespace platform {

UINT WindowEvents::Message() {
    static const UINT message = ::RegisterWindowMessageW(L"NorvelAssist.WindowEvents");
    return message;
}

void WindowEvents::Attach(HWND window) {
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        window_ = window;
        if (!window) waiting_.clear();
        wake = window && !waiting_.empty();
        wakePosted_ = wake;
    }
    if (wake) ::PostMessageW(window, Message(), 0, 0);
}

void WindowEvents::Post(const void* owner, Event event) {
    HWND wake = nullptr;
    {
        std::lock_guard lock(mutex_);
        waiting_.push_back({owner, std::move(event)});
        if (window_ && !wakePosted_) {
            wakePosted_ = true;
            wake = window_;
        }
    }
    if (wake) ::PostMessageW(wake, Message(), 0, 0);
}

bool WindowEvents::Handle(UINT msg) {
    if (msg != Message()) return false;
    for (;;) {
        Event event;
        {
            std::lock_guard lock(mutex_);
            wakePosted_ = false;  // an event posted from here on wakes the window again
            if (waiting_.empty()) return true;
            event = std::move(waiting_.front().event);
            waiting_.pop_front();
        }
        try {
            event();
        } catch (...) {
            LogFailure(L"un evento per la finestra");  // never across the window procedure
        }
    }
}

void WindowEvents::Forget(const void* owner) {
    std::lock_guard lock(mutex_);
    std::erase_if(waiting_, [owner](const Posted& p) { return p.owner == owner; });
}

}  // namespace platform
