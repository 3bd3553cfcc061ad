#include "launcher/tools/server_race.h"

#include <atomic>
#include <memory>

#include "platform/background.h"
#include "services/probe.h"

namespace launcher {
namespace {

// One probe on a thread of the pool, with a cancel of its own.
struct Probe {
    platform::CancelEvent cancel;
    platform::File done = platform::MakeEvent(true);
    std::atomic<bool> answered{false};

    bool Finished() const { return ::WaitForSingleObject(done.get(), 0) == WAIT_OBJECT_0; }
    bool Answered() const { return Finished() && answered.load(); }
    // Gives the probe up and waits for it (a cancelled probe returns at once).
    void End() {
        cancel.Set();
        ::WaitForSingleObject(done.get(), INFINITE);
    }
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
        ::WaitForMultipleObjects(count, handles, FALSE, INFINITE);
        if (platform::IsCancelled(cancel)) {
            primary->End();
            fallback->End();
            return ChosenServer::None;
        }
    }
}

}  // namespace launcher
