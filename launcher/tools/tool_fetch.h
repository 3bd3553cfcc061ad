// Fetching a tool for a window (the main window's launch, the alternatives
// window's "Download"): the probe and the download wait on the network on a thread
// of their own, so the window keeps answering; what they have to show (the
// progress controls, each progress step, the outcome) comes back to the window by
// message and is shown there, in the order it happened.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "forms/form.h"
#include "launcher/download_progress.h"
#include "launcher/tool_start.h"
#include "services/http_request.h"

namespace launcher {

// True while a fetch runs in any window, from its probe to the window's handling of
// its outcome. Tool buttons and "Download" are ignored meanwhile, so two transfers
// never go into one file.
bool ToolDownloadRunning();

class ToolFetch {
public:
    // `window` carries the progress controls and gets the fetch's messages, which it
    // hands to HandleMessage first.
    explicit ToolFetch(forms::Form& window);
    ~ToolFetch();  // cancels a running fetch
    ToolFetch(const ToolFetch&) = delete;
    ToolFetch& operator=(const ToolFetch&) = delete;

    // Probes ServerBaseUrl + exeName; when the server has it, shows the progress
    // controls and downloads it into LocalToolFolder, then hides them and starts the
    // copy on disk with the window as owner. A failed download leaves the previous
    // complete copy (if any), which is then started; nothing partial is ever on disk.
    // Only a download that meets `trust` (its pin, its publishers) replaces the copy,
    // and only a copy that meets it is started. When nothing can be started the user is told
    // the download failed; when the server lacks the file (or no server answered at
    // start-up), "File inesistente sul Server". Ignored while a fetch runs.
    void Start(const std::wstring& exeName, const ToolTrust& trust);
    // Stops a running fetch at once: the transfer ends, its part file is deleted, an
    // earlier copy stays as it was, the progress controls hide, nothing is started
    // and nothing told. False when no fetch ran.
    bool Cancel();
    // Sees every message of the window first: true when `msg` was the fetch's (then
    // handled). The window's WM_DESTROY cancels the fetch (false: the window goes on
    // with it), while the progress controls still exist.
    bool HandleMessage(UINT msg);

private:
    struct Event {
        enum Kind { NotOnServer, Downloading, Progress, Finished } kind;
        int fillWidthTwips = 0;
        std::wstring percentText;
        bool startable = false;  // Finished: a copy that may be started is on disk
    };
    class Relay;

    void Work(HWND window, std::wstring url, std::wstring localPath, ToolTrust trust);
    void Post(HWND window, Event event);
    void Stop();

    forms::Form& window_;
    DownloadProgress progress_;
    std::thread worker_;
    services::CancelFlag cancel_{false};
    std::mutex mutex_;
    std::vector<Event> events_;  // guarded by mutex_: posted, not yet shown
    bool running_ = false;
    bool progressShown_ = false;
    std::wstring localPath_;
};

}  // namespace launcher
