// One HTTP request through WinInet, with time-outs on every handle that honours
// them. Used by the probe and the download engine.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/handles.h"

namespace services {

// Connect, send and receive time-out of every request, in milliseconds (15000
// unless changed; tests shorten it).
void SetRequestTimeout(DWORD milliseconds);
DWORD RequestTimeout();

// The two handles of one request, closed request first.
struct HttpRequest {
    platform::Internet connection;
    platform::Internet request;
};

// Connects to the URL's host through the process's one direct internet session and
// sends `verb` for the URL's path with the request `flags`. A backslash in the URL is
// sent as "/". False when any step fails (the handles opened so far stay in `out`).
bool SendHttpRequest(const wchar_t* verb, const std::wstring& url, DWORD flags, HttpRequest& out);

// The response's status code, or 0 when it cannot be read.
DWORD StatusCode(HINTERNET request);

// The response's Content-Length, or -1 when there is none or it is not a number.
std::int64_t ContentLengthHeader(HINTERNET request);

}  // namespace services
