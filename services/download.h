// The download engine: copies one file from an HTTP URL to a local path and shows
// the progress on the calling window.
#pragma once

#include <cstdint>
#include <string>

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

// The Content-Length the server announces for url (asked with a HEAD request), or
// -1 when it cannot be had.
std::int64_t GetContentLength(const std::wstring& url);

// Downloads url into localPath, reporting to window (may be null) after every chunk.
// Pending window messages are processed after the first and the last chunk, as soon
// as input is waiting and otherwise at least every 10 ms; windows are repainted at
// most every 20 ms and after the last chunk. With a `sha256Pin` (a tool's "sha256"
// from the configuration), the received bytes replace localPath only when their
// SHA-256 is that pin. Silent: on any failure localPath is left exactly as it was.
void DownloadFile(std::wstring url, std::wstring localPath, ProgressDisplay* window,
                  const std::wstring& sha256Pin = {});

}  // namespace services
