// Which of the company's two servers the start-up uses: the primary with a head
// start, then the first to answer.
#pragma once

#include <chrono>
#include <string>

#include "platform/cancel_event.h"

namespace launcher {

enum class ChosenServer { Primary, Fallback, None };

// How long the primary is asked alone before the fallback is asked too.
inline constexpr std::chrono::milliseconds kFallbackHeadStart{1000};

// Probes `primaryUrl` (HttpExists, each probe within its own request deadline); when
// it has not answered within `headStart`, or has failed sooner, probes `fallbackUrl`
// as well. The first to answer 200 is chosen; the primary when both have answered
// before the choice is made. None when neither does, or when `cancel` is set. A
// probe still waiting once the choice is made is given up; it ends on its own,
// touching nothing of the caller's. Never longer than the head start and one
// request deadline (and a second).
ChosenServer RaceServers(const std::wstring& primaryUrl, const std::wstring& fallbackUrl,
                         const platform::CancelEvent* cancel,
                         std::chrono::milliseconds headStart = kFallbackHeadStart);

}  // namespace launcher
