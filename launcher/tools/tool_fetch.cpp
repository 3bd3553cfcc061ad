#include "launcher/tools/tool_fetch.h"

#include <memory>

#include "launcher/tools/percent_relay.h"
#include "launcher/tools/plain_file.h"
#include "platform/log.h"
#include "services/download.h"
#include "services/probe.h"
#include "services/publisher.h"

namespace launcher {
namespace {

int g_running = 0;  // fetches running, on the window thread

// The worker's part: the probe, then the download. Returns the outcome, and in
// `held` the copy on disk held open for its checks and start; `downloading` is told
// when the transfer begins.
ToolFetch::Outcome Fetch(std::wstring url, const std::wstring& localPath, const ToolTrust& trust,
                         const platform::CancelEvent& cancel, const std::function<void()>& downloading,
                         services::ProgressSink& progress, std::shared_ptr<HeldTool>& held) {
    const std::wstring asked = url;
    if (!services::HttpExists(url, &cancel)) {
        platform::Log(L"strumento non presente sul server: " + asked);
        return ToolFetch::Outcome::NotOnServer;
    }
    downloading();
    services::DownloadChecks checks;
    checks.sha256Pin = trust.sha256Pin;
    if (!trust.publishers.empty())
        checks.accept = [&trust](const std::wstring& file) {
            return services::SignedByPublisher(file, trust.publishers);
        };
    checks.cancel = &cancel;
    services::DownloadFile(url, localPath, &progress, checks);
    // The copy now on disk (the new one, or an earlier one a failed download left) is
    // held before it is checked, so the file started is the file checked.
    held = std::make_shared<HeldTool>(localPath);
    if (held->Held() && IsPlainFile(localPath) && MeetsToolTrust(localPath, trust))
        return ToolFetch::Outcome::Startable;
    held.reset();  // let go of a copy that is not started
    return ToolFetch::Outcome::Failed;
}

}  // namespace

bool ToolDownloadRunning() { return g_running > 0; }

void ToolFetch::Start(const std::wstring& serverBaseUrl, const std::wstring& exeName, const std::wstring& localPath,
                      const ToolTrust& trust) {
    if (running_) return;
    // Without a server there is nothing to probe: a bare file name would be taken
    // for a host name.
    if (serverBaseUrl.empty()) {
        display_.FetchEnded(Outcome::NotOnServer, nullptr);
        return;
    }
    running_ = true;
    ++g_running;
    localPath_ = localPath;
    worker_.Start([this, url = serverBaseUrl + exeName, localPath, trust](const platform::CancelEvent& cancel) {
        const auto downloading = [this] {
            Post([this] {
                display_.ShowDownload();
                downloadShown_ = true;
            });
        };
        Outcome outcome = Outcome::Failed;
        std::shared_ptr<HeldTool> held;
        try {
            PercentRelay progress(events_, this, [this](int percent) { display_.ShowPercent(percent); });
            outcome = Fetch(url, localPath, trust, cancel, downloading, progress, held);
        } catch (...) {
            // Out of memory or the like: told as a failed download.
            platform::LogFailure(L"lo scaricamento di " + url);
            outcome = Outcome::Failed;
        }
        Post([this, outcome, held] {
            End();
            display_.FetchEnded(outcome, held.get());
        });
    });
}

void ToolFetch::Post(std::function<void()> event) { events_.Post(this, std::move(event)); }

bool ToolFetch::Cancel() {
    if (!running_) return false;
    platform::Log(L"scaricamento annullato: " + localPath_);
    End();
    return true;
}

// Ends the fetch on the window's side: the worker is done (or gives up at once on
// the cancel) and is joined, its events not yet shown dropped, the download hidden.
void ToolFetch::End() {
    worker_.Stop();
    events_.Forget(this);
    if (downloadShown_) display_.HideDownload();
    downloadShown_ = false;
    running_ = false;
    --g_running;
}

}  // namespace launcher
