// A HEAD request that ends within its deadline whatever the server does.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/cancel_event.h"

namespace services {

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
// `cancel` ends the wait at once the same way. The request and its outcome are logged.
std::optional<HeadAnswer> Head(const std::wstring& url, const platform::CancelEvent* cancel = nullptr);

}  // namespace services
