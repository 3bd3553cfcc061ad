#include "launcher/tools/percent_relay.h"

namespace launcher {

void PercentRelay::OnProgress(std::int64_t, int percent) {
    if (percent == posted_) return;
    const Clock::time_point now = Clock::now();
    if (percent < 100 && now - postedAt_ < kInterval) return;
    posted_ = percent;
    postedAt_ = now;
    events_.Post(owner_, [show = show_, percent] { show(percent); });
}

}  // namespace launcher
