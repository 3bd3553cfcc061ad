// One HTTP request through WinInet, and the deadline it cannot outlive. Used by the
// probe and the download engine.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/handles.h"

namespace services {

// How long a request may take, in milliseconds. `request`: a probe or a size query,
// from the name lookup to the answer (10 s). `transfer`: a whole configuration
// download, or the wait for the next byte of a tool download (30 s). Tests shorten
// them.
struct RequestDeadlines {
    DWORD request = 10000;
    DWORD transfer = 30000;
};
void SetRequestDeadlines(RequestDeadlines deadlines);
RequestDeadlines CurrentRequestDeadlines();

// Set by another thread (a window that cancels a launch, a program that ends) to
// give up a request or a transfer: the waiting caller returns within a few
// milliseconds as if the deadline had passed. A null flag is never set.
using CancelFlag = std::atomic<bool>;
inline bool IsCancelled(const CancelFlag* cancel) { return cancel && cancel->load(); }
// How often a waiting caller looks at its cancel flag.
inline constexpr DWORD kCancelLookMs = 10;

// The two handles of one request. Closing them from another thread is how a
// request is given up: on Windows that ends a call blocked on them at once, and
// every later call on them fails.
class HttpRequest {
public:
    HttpRequest() = default;
    ~HttpRequest() { Close(); }
    HttpRequest(const HttpRequest&) = delete;
    HttpRequest& operator=(const HttpRequest&) = delete;

    // The request handle; null before the request is opened and once it is closed.
    HINTERNET Handle() const;
    // Closes the request, then its connection (kept alive by WinInet for the next
    // request to the server when the answer was read to its end).
    void Close();

private:
    friend bool SendHttpRequest(const wchar_t*, const std::wstring&, DWORD, HttpRequest&);
    mutable std::mutex mutex_;
    bool closed_ = false;
    platform::Internet connection_;
    platform::Internet request_;
};

// Connects to the URL's host through the process's one internet session (with the
// system's proxy settings) and sends `verb` for the URL's path with the request
// `flags`. A backslash in the URL is sent as "/". False when any step fails or the
// request is closed meanwhile.
bool SendHttpRequest(const wchar_t* verb, const std::wstring& url, DWORD flags, HttpRequest& out);

// The response's status code, or 0 when it cannot be read.
DWORD StatusCode(const HttpRequest& request);

// The response's Content-Length, or -1 when there is none or it is not a number.
std::int64_t ContentLengthHeader(const HttpRequest& request);

// Reads up to `size` bytes of the body; false when the read fails or the request
// has been closed.
bool ReadBody(const HttpRequest& request, void* buffer, DWORD size, DWORD& read);

// The scheme a URL (or a configured host) begins with: "http:" or "https:" in any
// letter case, with the "//" after it when there is one. The program's one reading
// of a scheme.
struct UrlScheme {
    bool present = false;
    bool https = false;
    std::size_t length = 0;  // of the scheme and its "//"
};
UrlScheme SchemeOf(std::wstring_view url);

// "WinInet N: its text" for an error of a request (the text of wininet.dll or the
// system), for the log.
std::wstring InternetErrorText(DWORD code);
// "N ms" since `start`, for the log's request lines.
std::wstring ElapsedText(std::chrono::steady_clock::time_point start);

// What a HEAD request learnt: the status and the Content-Length (-1 without one).
struct HeadAnswer {
    DWORD status = 0;
    std::int64_t contentLength = -1;
};

// Sends HEAD for url on a thread of the pool and waits for the answer at most the
// `request` deadline, whatever the server or the network does (a name that does not
// resolve, a server that accepts and never answers or never completes the TLS
// handshake). Nothing when the request failed or the deadline passed; the request
// is then closed, and where closing does not end its blocked call (Wine) its thread
// is left to it until the server lets go, touching nothing of the caller's. A set
// `cancel` ends the wait the same way. The request and its outcome are logged.
std::optional<HeadAnswer> Head(const std::wstring& url, const CancelFlag* cancel = nullptr);

}  // namespace services
