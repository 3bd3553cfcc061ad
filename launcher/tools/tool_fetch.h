// A tool's probe and download, for a window: they wait on the network on a worker
// thread, so the window keeps answering; what they have to show (the download
// beginning, its percentage, the outcome) comes back through the window's events
// and is shown by the window's Display, in the order it happened.
#pragma once

#include <string>

#include "launcher/tools/tool_start.h"
#include "platform/window_events.h"
#include "platform/worker.h"

namespace launcher {

// True while a fetch runs in any window, from its probe to the window's handling of
// its outcome. Tool buttons and "Download" are ignored meanwhile, so two transfers
// never go into one file.
bool ToolDownloadRunning();

class ToolFetch {
public:
    enum class Outcome {
        NotOnServer,  // the server lacks the file, or no server answered at start-up
        Failed,       // nothing that may be started is on disk
        Startable,    // a copy that meets the tool's trust is on disk
    };
    // What the window shows of a fetch; called on the window thread.
    class Display {
    public:
        virtual void ShowDownload() = 0;  // the server has the file: the transfer begins
        virtual void ShowPercent(int percent) = 0;
        virtual void HideDownload() = 0;  // the transfer is over (done or cancelled)
        // The fetch is over and was not cancelled (after HideDownload when it
        // downloaded). `tool`: when Startable, the copy, held open since its checks.
        virtual void FetchEnded(Outcome outcome, const HeldTool* tool) = 0;

    protected:
        ~Display() = default;
    };

    ToolFetch(platform::WindowEvents& events, Display& display) : events_(events), display_(display) {}
    ~ToolFetch() { Cancel(); }
    ToolFetch(const ToolFetch&) = delete;
    ToolFetch& operator=(const ToolFetch&) = delete;

    // Probes serverBaseUrl + exeName; when the server has it, downloads it to
    // localPath. Only a download that meets `trust` (its pin, its publishers)
    // replaces the copy there; a failed one leaves the previous complete copy.
    // Either is then held open and checked against `trust` again: startable when it
    // meets it. Nothing partial is ever on disk. With no server the outcome is
    // NotOnServer at once. Ignored while a fetch runs.
    void Start(const std::wstring& serverBaseUrl, const std::wstring& exeName, const std::wstring& localPath,
               const ToolTrust& trust);
    // Stops a running fetch at once: the transfer ends, its part file is deleted, an
    // earlier copy stays as it was, the download is hidden, nothing is started and
    // nothing told. False when no fetch ran. The window calls it on Esc and as its
    // window is destroyed.
    bool Cancel();

private:
    void Post(std::function<void()> event);
    void End();

    platform::WindowEvents& events_;
    Display& display_;
    platform::Worker worker_;
    bool running_ = false;
    bool downloadShown_ = false;
    std::wstring localPath_;
};

}  // namespace launcher
