#include "launcher/tool_fetch.h"

#include "launcher/globals.h"
#include "launcher/messages.h"
#include "launcher/plain_file.h"
#include "launcher/tool_start.h"
#include "platform/log.h"
#include "platform/message_box.h"
#include "services/download.h"
#include "services/probe.h"
#include "services/publisher.h"

namespace launcher {
namespace {

// "The fetch has news": posted to the window when the first event waits.
constexpr UINT kFetchMessage = WM_APP + 20;
int g_running = 0;  // fetches running, on the window thread

}  // namespace

bool ToolDownloadRunning() { return g_running > 0; }

// The download's progress, sent on to the window as events.
class ToolFetch::Relay : public services::ProgressDisplay {
public:
    Relay(ToolFetch& fetch, HWND window) : fetch_(fetch), window_(window) {}
    void ShowProgress(int fillWidthTwips, const std::wstring& percentText) override {
        fetch_.Post(window_, {Event::Progress, fillWidthTwips, percentText, false});
    }

private:
    ToolFetch& fetch_;
    HWND window_;
};

ToolFetch::ToolFetch(forms::Form& window) : window_(window), progress_(window) {}

ToolFetch::~ToolFetch() { Cancel(); }

void ToolFetch::Start(const std::wstring& exeName, const ToolTrust& trust) {
    if (running_) return;
    // Without a server there is nothing to probe: a bare file name would be taken
    // for a host name.
    if (ServerBaseUrl.empty()) {
        platform::ShowMessage(kFileNotOnServer, 0, {}, window_.hwnd());
        return;
    }
    localPath_ = LocalToolFolder + L"\\" + exeName;
    cancel_ = false;
    running_ = true;
    ++g_running;
    worker_ = std::thread(&ToolFetch::Work, this, window_.hwnd(), ServerBaseUrl + exeName, localPath_, trust);
}

void ToolFetch::Work(HWND window, std::wstring url, std::wstring localPath, ToolTrust trust) {
    try {
        std::wstring probe = url;
        if (!services::HttpExists(probe, &cancel_)) {
            platform::Log(L"strumento non presente sul server: " + url);
            Post(window, {Event::NotOnServer, 0, {}, false});
            return;
        }
        Post(window, {Event::Downloading, 0, {}, false});
        Relay relay(*this, window);
        services::DownloadChecks checks;
        checks.sha256Pin = trust.sha256Pin;
        if (!trust.publishers.empty())
            checks.accept = [&trust](const std::wstring& file) {
                return services::SignedByPublisher(file, trust.publishers);
            };
        checks.cancel = &cancel_;
        // A new copy passed the checks as it was received; an earlier one left by a
        // failed download is checked now.
        const bool replaced = services::DownloadFile(url, localPath, &relay, checks);
        const bool startable = IsPlainFile(localPath) && (replaced || MeetsToolTrust(localPath, trust));
        Post(window, {Event::Finished, 0, {}, startable});
    } catch (...) {
        // Out of memory or the like: told as a failed download.
        platform::LogFailure(L"lo scaricamento di " + url);
        Post(window, {Event::Finished, 0, {}, false});
    }
}

void ToolFetch::Post(HWND window, Event event) {
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        wake = events_.empty();
        events_.push_back(std::move(event));
    }
    if (wake) ::PostMessageW(window, kFetchMessage, 0, 0);
}

bool ToolFetch::HandleMessage(UINT msg) {
    if (msg == WM_DESTROY) Cancel();
    if (msg != kFetchMessage) return false;
    std::vector<Event> events;
    {
        std::lock_guard lock(mutex_);
        events.swap(events_);
    }
    // A wake-up left over from a cancelled fetch finds nothing, or the news of the
    // fetch that runs now.
    for (const Event& e : events) {
        switch (e.kind) {
        case Event::Downloading:
            progress_.Show();
            progressShown_ = true;
            break;
        case Event::Progress:
            progress_.ShowProgress(e.fillWidthTwips, e.percentText);
            break;
        case Event::NotOnServer:
            Stop();
            platform::ShowMessage(kFileNotOnServer, 0, {}, window_.hwnd());
            return true;
        case Event::Finished:
            Stop();
            if (e.startable)
                StartTool(window_.hwnd(), localPath_);
            else
                platform::ShowMessage(kDownloadFailed, 0, {}, window_.hwnd());
            return true;
        }
    }
    return true;
}

bool ToolFetch::Cancel() {
    if (!running_) return false;
    platform::Log(L"scaricamento annullato: " + localPath_);
    cancel_ = true;
    Stop();
    return true;
}

// Ends the fetch on the window's side: the worker is done (or gives up within a few
// milliseconds of a cancel) and is joined, its news dropped, the controls hidden.
void ToolFetch::Stop() {
    if (worker_.joinable()) worker_.join();
    {
        std::lock_guard lock(mutex_);
        events_.clear();
    }
    if (progressShown_) progress_.Hide();
    progressShown_ = false;
    running_ = false;
    --g_running;
}

}  // namespace launcher
