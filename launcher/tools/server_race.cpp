#include "launcher/tools/server_race.h"

#include <algorithm>
#include <atomic>
#include <memory>

#include "platform/background.h"
#include "services/probe.h"
#include "services/request_deadlines.h"

namespace launcher {
namespace {

// One probe on a thread of the pool, with a cancel of its own.
struct Probe {
    platform::CancelEvent cancel;
    platform::File done = platform::MakeEvent(true);
    std::atomic<bool> answered{false};

    bool Finished() const { return ::WaitForSingleObject(done.get(), 0) == WAIT_OBJECT_0; }
    bool Answered() const { return Finished() && answered.load(); }
    // Gives the probe up. Its task owns all it touches (this probe included), so it
    // may end after the race has.
    void End() { cancel.Set(); }
};

std::shared_ptr<Probe> StartProbe(std::wstring url) {
    auto probe = std::make_shared<Probe>();
    const bool started = platform::RunInBackground([probe, url]() mutable {
        probe->answered = services::HttpExists(url, &probe->cancel);
        ::SetEvent(probe->done.get());
    });
    if (!started) ::SetEvent(probe->done.get());  // counts as a probe that failed
    return probe;
}

}  // namespace

ChosenServer RaceServers(const std::wstring& primaryUrl, const std::wstring& fallbackUrl,
                         const platform::CancelEvent* cancel, std::chrono::milliseconds headStart) {
    const std::shared_ptr<Probe> primary = StartProbe(primaryUrl);
    const auto waited = platform::WaitFor(primary->done.get(), cancel, std::chrono::steady_clock::now() + headStart);
    if (primary->Answered()) return ChosenServer::Primary;
    if (waited == platform::WaitOutcome::Cancelled) {
        primary->End();
        return ChosenServer::None;
    }
    const std::shared_ptr<Probe> fallback = StartProbe(fallbackUrl);
    // Each probe ends within its deadline; a task the pool never ran must not hold
    // the start-up longer than that.
    const auto giveUp = std::chrono::steady_clock::now() + headStart +
                        std::chrono::milliseconds(services::CurrentRequestDeadlines().request + 1000);
    for (;;) {
        if (primary->Answered()) {
            fallback->End();
            return ChosenServer::Primary;
        }
        if (fallback->Answered()) {
            primary->End();
            return ChosenServer::Fallback;
        }
        if (primary->Finished() && fallback->Finished()) return ChosenServer::None;
        HANDLE handles[3];
        DWORD count = 0;
        for (const Probe* probe : {primary.get(), fallback.get()})
            if (!probe->Finished()) handles[count++] = probe->done.get();
        if (cancel) handles[count++] = cancel->Handle();
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(giveUp - std::chrono::steady_clock::now());
        const DWORD woken =
            ::WaitForMultipleObjects(count, handles, FALSE, static_cast<DWORD>(std::max<long long>(left.count(), 0)));
        if (platform::IsCancelled(cancel) || woken == WAIT_TIMEOUT) {
            primary->End();
            fallback->End();
            return ChosenServer::None;
        }
    }
}

}  // namespace launcher
