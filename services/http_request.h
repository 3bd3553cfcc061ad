// One HTTP request through WinInet: its handles, sending it, and reading its answer.
// Used by the HEAD request and the download engine.
#pragma once

#include <windows.h>

#include <cstdint>
#include <mutex>
#include <string>

#include "platform/handles.h"

namespace services {

// The two handles of one request. Closing them from another thread is how a
// request is given up: on Windows that ends a call blocked on them at once, and
// every later call on them fails. Neither copied nor moved (its mutex).
class HttpRequest {
public:
    ~HttpRequest() { Close(); }

    // The request handle; null before the request is opened and once it is closed.
    HINTERNET Handle() const;
    // Closes the request, then its connection (kept alive by WinInet for the next
    // request to the server when the answer was read to its end).
    void Close();
    // Opens a request for `object` on `host` (replacing the handles of an earlier
    // one, a redirect's); null when it fails or the request was closed meanwhile.
    HINTERNET Open(HINTERNET session, const wchar_t* host, INTERNET_PORT port, const wchar_t* verb,
                   const std::wstring& object, DWORD flags);

private:
    mutable std::mutex mutex_;
    bool closed_ = false;
    platform::Internet connection_;
    platform::Internet request_;
};

// Connects to the URL's host through the process's one internet session (with the
// system's proxy settings) and sends `verb` for the URL's path with the request
// `flags`, never with the user's cookies. Redirects are followed, five at the most
// and never from https to http (false then, logged). A backslash in the URL is
// sent as "/". `headers` (each line ending in CRLF) go with every request of the
// chain. False when any step fails or the request is closed meanwhile.
bool SendHttpRequest(const wchar_t* verb, const std::wstring& url, DWORD flags, HttpRequest& out,
                     const std::wstring& headers = {});

// The response's status code, or 0 when it cannot be read.
DWORD StatusCode(const HttpRequest& request);

// The response's Content-Length, or -1 when there is none or it is not a number.
std::int64_t ContentLengthHeader(const HttpRequest& request);

// The value of the response's header `name` (its first one), "" when there is none;
// a value of 1 KiB or more counts as none.
std::wstring HeaderValue(const HttpRequest& request, const std::wstring& name);

// True for a header value that may be sent as it is: 1 to 1023 characters of
// printable ASCII (the space included), so no value read from elsewhere can end a
// header line and start another.
bool IsSafeHeaderValue(const std::wstring& value);

// Reads up to `size` bytes of the body; false when the read fails or the request
// has been closed.
bool ReadBody(const HttpRequest& request, void* buffer, DWORD size, DWORD& read);

}  // namespace services
