#include "services/probe.h"

#include <windows.h>
#include "platform/wininet.h"

#include <optional>

#include "services/head_request.h"
#include "services/url_scheme.h"

namespace services {

bool HttpExists(std::wstring& url, const platform::CancelEvent* cancel) {
    if (!SchemeOf(url).present) url = L"http://" + url;
    const std::optional<HeadAnswer> answer = Head(url, cancel);
    return answer && answer->status == HTTP_STATUS_OK;
}

}  // namespace services
