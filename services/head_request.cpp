#include "services/head_request.h"

#include "platform/wininet.h"

#include <chrono>
#include <memory>
#include <mutex>

#include "platform/background.h"
#include "platform/log.h"
#include "services/http_request.h"
#include "services/request_deadlines.h"
#include "services/request_log.h"

namespace services {

std::optional<HeadAnswer> Head(const std::wstring& url, const platform::CancelEvent* cancel) {
    // Shared with the pool's thread, which may outlive this call.
    struct Call {
        HttpRequest request;
        platform::File answered = platform::MakeEvent(true);
        std::mutex mutex;
        std::optional<HeadAnswer> answer;  // guarded by mutex
        DWORD error = 0;                   // guarded by mutex
    };
    const auto call = std::make_shared<Call>();
    const DWORD deadline = CurrentRequestDeadlines().request;
    const auto started = std::chrono::steady_clock::now();
    const auto logged = [&](const std::wstring& outcome) {
        platform::Log(L"HEAD " + url + L": " + outcome + L", " + ElapsedText(started));
    };
    if (!call->answered || !platform::RunInBackground([call, url] {
            std::optional<HeadAnswer> answer;
            DWORD error = 0;
            if (SendHttpRequest(L"HEAD", url, INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, call->request))
                answer = HeadAnswer{StatusCode(call->request), ContentLengthHeader(call->request)};
            else
                error = ::GetLastError();
            call->request.Close();  // before the next request: the connection is free again
            {
                std::lock_guard lock(call->mutex);
                call->answer = answer;
                call->error = error;
            }
            ::SetEvent(call->answered.get());
        })) {
        logged(L"non avviata (il pool di thread l'ha rifiutata)");
        return std::nullopt;
    }
    const platform::WaitOutcome waited =
        platform::WaitFor(call->answered.get(), cancel, started + std::chrono::milliseconds(deadline));
    if (waited == platform::WaitOutcome::Signalled) {
        std::lock_guard lock(call->mutex);
        if (call->answer)
            logged(L"HTTP " + std::to_wstring(call->answer->status) + L", lunghezza " +
                   std::to_wstring(call->answer->contentLength));
        else
            logged(InternetErrorText(call->error));
        return call->answer;
    }
    call->request.Close();
    logged(waited == platform::WaitOutcome::Cancelled
               ? L"annullata"
               : L"nessuna risposta entro " + std::to_wstring(deadline) + L" ms");
    return std::nullopt;
}

}  // namespace services
