// The download engine: copies one file from an HTTP URL to a local path and reports
// its progress as numbers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/cancel_event.h"

namespace services {

// What a download reports after every chunk, on the thread that called
// DownloadFile: the bytes received so far and DownloadPercentage of them.
class ProgressSink {
public:
    virtual void OnProgress(std::int64_t receivedBytes, int percent) = 0;

protected:
    ~ProgressSink() = default;
};

// The percentage reported after `total` of `contentLength` bytes: total / length x
// 100 rounded to the nearest whole number, an exact half to the even neighbour; not
// capped at 100 (at most INT_MAX). A length of 0 gives 100.
int DownloadPercentage(std::int64_t total, std::int64_t contentLength);

// True when a 206's Content-Range ("bytes FIRST-LAST/LENGTH") carries a file of
// `length` bytes from `offset` to its end, exactly.
bool ContinuesAt(const std::wstring& contentRange, std::int64_t offset, std::int64_t length);

// What identifies the version of a file the server sent: its ETag and its
// Last-Modified, as the server wrote them ("" when it sent none).
struct Validators {
    std::wstring etag;
    std::wstring lastModified;
    bool Empty() const { return etag.empty() && lastModified.empty(); }
};

// What a download must satisfy besides arriving whole.
struct DownloadChecks {
    // A tool's "sha256" from the configuration: only bytes with this SHA-256 count.
    std::wstring sha256Pin;
    // Whether the received bytes are what was asked for; it is given the file that
    // holds them (beside localPath, under another name).
    std::function<bool(const std::wstring& receivedFile)> accept;
    // The transfer deadline bounds the whole transfer, from its request to its last
    // byte, however fast bytes arrive (the configuration). Otherwise a transfer goes
    // on as long as bytes arrive and ends after that long without one (a tool).
    bool boundWhole = false;
    // More bytes than this fail the transfer as soon as they arrive, before any of
    // them is written (0: no limit of its own). Whatever it is, a transfer never
    // writes past the GET's Content-Length (and nothing at all without one).
    std::int64_t maxBytes = 0;
    // When set (by another thread), the transfer stops at once as a failed one does:
    // the bytes so far are dropped, localPath stays as it was.
    const platform::CancelEvent* cancel = nullptr;
    // The validators of the copy at localPath: when given, the request is
    // conditional (If-None-Match, If-Modified-Since) and a 304 keeps the copy.
    Validators ifChanged;
};

enum class DownloadResult {
    Replaced,     // localPath holds the new file
    Unchanged,    // a conditional request was answered 304: localPath is as it was
    Failed,       // answered 200, and no whole file that passed its checks arrived
    NotAnswered,  // no answer, or another status (a 304 to a request that was not conditional too)
};

struct Downloaded {
    DownloadResult result = DownloadResult::NotAnswered;
    Validators validators;  // of the file at localPath, when Replaced
};

// Downloads url into localPath with one GET, whose Content-Length sizes the
// transfer (an answer without one downloads nothing), reporting to `progress` (may
// be null) every chunk's running total, in order. The network is waited on by a
// thread of the pool, so a transfer ends at its deadline or its cancel whatever the
// server does; the caller sleeps on an event meanwhile and takes the chunks that came
// in batches, at most one batch every few milliseconds. It blocks: call it off the
// window thread.
// A transfer that breaks after 64 KiB (the connection cut, the idle deadline, a
// short body) goes on where it broke, 3 times at the most, with Range and If-Range
// (the strong ETag, else Last-Modified), unless the whole transfer is bounded: a 206
// that continues the same file exactly is appended, a 200 starts over, anything else
// fails. The totals reported go on from where they were.
// Nothing is left behind on a failure (a check included): localPath is exactly as
// it was. Each request, resume and outcome is logged.
Downloaded FetchFile(std::wstring url, std::wstring localPath, ProgressSink* progress,
                     const DownloadChecks& checks = {});

// FetchFile, true when localPath was replaced.
bool DownloadFile(std::wstring url, std::wstring localPath, ProgressSink* progress,
                  const DownloadChecks& checks = {});

// While it downloads, the engine keeps the bytes beside the target in a part file
// named "TARGET.PID-N.download", held open without sharing. True for such a name.
bool IsPartFileName(const std::wstring& name);
// Deletes the part files in `folder` that no running download holds open: the ones
// a process that was ended mid-download left behind.
void RemoveLeftoverPartFiles(const std::wstring& folder);

}  // namespace services
