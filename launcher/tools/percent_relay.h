// A download's progress carried from the worker that downloads to its window.
#pragma once

#include <chrono>
#include <functional>

#include "platform/window_events.h"
#include "services/download.h"

namespace launcher {

// Posts the percentage to the window's events when it changed: at most every 20 ms
// (a bar needs no more repaints than that), and always from 100 up, so the bar
// ends full. `show` runs on the window thread.
class PercentRelay : public services::ProgressSink {
public:
    PercentRelay(platform::WindowEvents& events, const void* owner, std::function<void(int percent)> show)
        : events_(events), owner_(owner), show_(std::move(show)) {}
    void OnProgress(std::int64_t receivedBytes, int percent) override;

private:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kInterval = std::chrono::milliseconds(20);
    platform::WindowEvents& events_;
    const void* owner_;
    std::function<void(int)> show_;
    int posted_ = -1;
    Clock::time_point postedAt_{};
};

}  // namespace launcher
