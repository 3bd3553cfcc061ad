// The download engine: copies one file from an HTTP URL to a local path and shows
// the progress on the calling window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "services/http_request.h"

namespace services {

// What a window that downloads shows: the bar fill width in twips (percentage x 56)
// and the percentage text ("37%").
class ProgressDisplay {
public:
    virtual void ShowProgress(int fillWidthTwips, const std::wstring& percentText) = 0;

protected:
    ~ProgressDisplay() = default;
};

// The percentage shown after `total` of `contentLength` bytes: total / length x 100
// rounded to the nearest whole number, an exact half to the even neighbour; not
// capped at 100. A length of 0 shows 100.
int DownloadPercentage(std::int64_t total, std::int64_t contentLength);

// The Content-Length the server announces for url (asked with a HEAD request within
// the request deadline), or -1 when it cannot be had or `cancel` is set meanwhile.
std::int64_t GetContentLength(const std::wstring& url, const CancelFlag* cancel = nullptr);

// What a download must satisfy besides arriving whole.
struct DownloadChecks {
    // A tool's "sha256" from the configuration: only bytes with this SHA-256 count.
    std::wstring sha256Pin;
    // Whether the received bytes are what was asked for; it is given the file that
    // holds them (beside localPath, under another name).
    std::function<bool(const std::wstring& receivedFile)> accept;
    // The transfer deadline bounds the whole transfer, from its request to its last
    // byte (the configuration). Otherwise a transfer goes on as long as bytes
    // arrive and ends after that long without one (a tool).
    bool boundWhole = false;
    // When set (by another thread), the transfer stops within a few milliseconds as
    // a failed one does: the bytes so far are dropped, localPath stays as it was.
    const CancelFlag* cancel = nullptr;
};

// Downloads url into localPath, reporting to window (may be null) after every chunk.
// The network is waited on by a thread of the engine's own, so a transfer ends at
// its deadline whatever the server does. Pending window messages are processed
// after the first and the last chunk, as soon as input is waiting and otherwise at
// least every 10 ms; windows are repainted at most every 20 ms and after the last
// chunk. Nothing is shown on a failure (a check included): localPath is left exactly
// as it was and nothing else is left behind. True when localPath was replaced; the
// outcome is logged.
bool DownloadFile(std::wstring url, std::wstring localPath, ProgressDisplay* window,
                  const DownloadChecks& checks = {});

// While it downloads, the engine keeps the bytes beside the target in a part file
// named "TARGET.PID-N.download", held open without sharing. True for such a name.
bool IsPartFileName(const std::wstring& name);
// Deletes the part files in `folder` that no running download holds open: the ones
// a process that was ended mid-download left behind.
void RemoveLeftoverPartFiles(const std::wstring& folder);

}  // namespace services
