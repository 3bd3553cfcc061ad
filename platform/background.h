// Work handed to the system's thread pool: a thread that ran earlier work is used
// again, so a job does not pay for making a thread of its own.
#pragma once

#include <functional>

namespace platform {

// Runs `job` on a thread of the pool; false (and nothing run) when the pool cannot
// take it. The job must own what it touches (nothing waits for it to end) and
// reports through what it shares with its caller: it throws nothing.
bool RunInBackground(std::function<void()> job);

}  // namespace platform
