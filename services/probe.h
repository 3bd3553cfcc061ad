// The HTTP probe: does the server have the file?
#pragma once

#include <string>

#include "platform/cancel_event.h"

namespace services {

// True when a HEAD request for url answers with status 200. A url that begins with
// neither "HTTP:" nor "HTTPS:" (any letter case) gets "http://" put in front, and the
// caller's text holds the completed URL afterwards. Over https the platform's
// certificate checks apply: a server whose certificate is not trusted gives false.
// A server that has not answered within the request deadline (10 s) gives false,
// and so does a set `cancel`.
bool HttpExists(std::wstring& url, const platform::CancelEvent* cancel = nullptr);

}  // namespace services
